// Whether a freshly written workbook is whole, before it may replace a file.
//
// libxlsxwriter writes each part of a workbook to a temporary file first and
// copies it into the zip without checking those writes, so a full temporary
// folder gives a well-formed zip of cut-off parts and no error. Every part
// is therefore inflated again and must be exactly as long as the zip says,
// match its checksum and, being XML, end with the closing tag of its root
// element.
#pragma once

#include <QByteArrayView>

namespace quillmere {

[[nodiscard]] bool IsWholeWorkbook(QByteArrayView zip);

}  // namespace quillmere

#include "export/workbook_check.h"

#include <QByteArray>

#include <zlib.h>

#include <cstdint>
#include <optional>

namespace quillmere {
namespace {

constexpr std::uint32_t kEndOfDirectory = 0x06054b50;
constexpr std::uint32_t kDirectoryEntry = 0x02014b50;
constexpr std::uint32_t kLocalHeader = 0x04034b50;
constexpr qsizetype kEndOfDirectorySize = 22;
constexpr qsizetype kDirectoryEntrySize = 46;
constexpr qsizetype kLocalHeaderSize = 30;
constexpr int kStored = 0;
constexpr int kDeflated = 8;

// Little-endian fields of the zip's records; nothing past the end.
class ZipBytes {
public:
    explicit ZipBytes(QByteArrayView bytes) : bytes_(bytes) {}

    [[nodiscard]] std::optional<std::uint32_t> At(qsizetype offset, int size) const {
        if (offset < 0 || offset + size > bytes_.size()) return std::nullopt;
        std::uint32_t value = 0;
        for (int i = size - 1; i >= 0; --i) value = (value << 8U) | static_cast<std::uint8_t>(bytes_[offset + i]);
        return value;
    }
    [[nodiscard]] QByteArrayView Slice(qsizetype offset, qsizetype size) const {
        if (offset < 0 || size < 0 || offset + size > bytes_.size()) return {};
        return bytes_.sliced(offset, size);
    }
    [[nodiscard]] qsizetype Size() const { return bytes_.size(); }

private:
    QByteArrayView bytes_;
};

std::optional<QByteArray> Inflated(QByteArrayView data, int method, std::uint32_t size) {
    if (method == kStored) return data.toByteArray();
    if (method != kDeflated) return std::nullopt;
    QByteArray out(static_cast<qsizetype>(size), Qt::Uninitialized);
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) return std::nullopt;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = inflate(&stream, Z_FINISH);
    inflateEnd(&stream);
    if (result != Z_STREAM_END || stream.avail_out != 0) return std::nullopt;
    return out;
}

// The text ends with the closing tag of the element it starts with.
bool EndsItsRootElement(const QByteArray& xml) {
    qsizetype start = xml.indexOf('<');
    while (start >= 0 && start + 1 < xml.size() && xml[start + 1] == '?') start = xml.indexOf('<', start + 1);
    if (start < 0) return false;
    qsizetype end = start + 1;
    while (end < xml.size() && xml[end] != ' ' && xml[end] != '>' && xml[end] != '/') ++end;
    const QByteArray closing = "</" + xml.mid(start + 1, end - start - 1) + ">";
    return xml.trimmed().endsWith(closing);
}

bool IsWholePart(const ZipBytes& zip, qsizetype entry) {
    const auto method = zip.At(entry + 10, 2);
    const auto crc = zip.At(entry + 16, 4);
    const auto packed = zip.At(entry + 20, 4);
    const auto size = zip.At(entry + 24, 4);
    const auto local = zip.At(entry + 42, 4);
    if (!method || !crc || !packed || !size || !local) return false;
    const auto localSignature = zip.At(*local, 4);
    const auto nameLength = zip.At(*local + 26, 2);
    const auto extraLength = zip.At(*local + 28, 2);
    if (localSignature != kLocalHeader || !nameLength || !extraLength) return false;
    const qsizetype dataStart = *local + kLocalHeaderSize + *nameLength + *extraLength;
    const QByteArrayView data = zip.Slice(dataStart, *packed);
    if (data.size() != static_cast<qsizetype>(*packed)) return false;
    const std::optional<QByteArray> part = Inflated(data, static_cast<int>(*method), *size);
    if (!part) return false;
    const auto* bytes = reinterpret_cast<const Bytef*>(part->constData());
    if (crc32(0, bytes, static_cast<uInt>(part->size())) != *crc) return false;
    return EndsItsRootElement(*part);
}

}  // namespace

bool IsWholeWorkbook(QByteArrayView bytes) {
    const ZipBytes zip(bytes);
    const qsizetype end = zip.Size() - kEndOfDirectorySize;  // libxlsxwriter writes no zip comment
    if (zip.At(end, 4) != kEndOfDirectory) return false;
    const auto entries = zip.At(end + 10, 2);
    const auto directory = zip.At(end + 16, 4);
    if (!entries || !directory || *entries == 0) return false;
    qsizetype entry = *directory;
    for (std::uint32_t i = 0; i < *entries; ++i) {
        const auto nameLength = zip.At(entry + 28, 2);
        const auto extraLength = zip.At(entry + 30, 2);
        const auto commentLength = zip.At(entry + 32, 2);
        if (zip.At(entry, 4) != kDirectoryEntry || !nameLength || !extraLength || !commentLength) return false;
        if (!IsWholePart(zip, entry)) return false;
        entry += kDirectoryEntrySize + *nameLength + *extraLength + *commentLength;
    }
    return true;
}

}  // namespace quillmere

# Installs the build into a scratch prefix and checks what a desktop needs:
# the program, its desktop entry, icons of the right pixel sizes in the
# hicolor theme and the AppStream metadata, all under one application id.
# Run with -DBUILD_DIR= -DPREFIX= -DAPP_ID= -DVERSION= -P.
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(failures "")
macro(fail text)
  string(APPEND failures "\n  ${text}")
endmacro()

macro(expect_file path)
  if(NOT EXISTS ${PREFIX}/${path})
    fail("missing ${path}")
  endif()
endmacro()

# Width and height from the PNG's IHDR chunk, which follows the signature.
function(png_size path out)
  file(READ ${path} header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 32 magic)
  if(NOT magic STREQUAL "89504e470d0a1a0a0000000d49484452")
    set(${out} "not a PNG" PARENT_SCOPE)
    return()
  endif()
  string(SUBSTRING "${header}" 32 8 w)
  string(SUBSTRING "${header}" 40 8 h)
  math(EXPR w "0x${w}")
  math(EXPR h "0x${h}")
  set(${out} "${w}x${h}" PARENT_SCOPE)
endfunction()

expect_file(bin/quillmere-loan-calculator)
expect_file(share/applications/${APP_ID}.desktop)
expect_file(share/metainfo/${APP_ID}.metainfo.xml)
expect_file(share/mime/packages/${APP_ID}.xml)
expect_file(share/icons/hicolor/scalable/apps/${APP_ID}.svg)
expect_file(share/doc/quillmere-loan-calculator/copyright)

foreach(size 16 32 48 256)
  set(png share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
  if(NOT EXISTS ${PREFIX}/${png})
    fail("missing ${png}")
    continue()
  endif()
  png_size(${PREFIX}/${png} actual)
  if(NOT actual STREQUAL "${size}x${size}")
    fail("${png} is ${actual}, not ${size}x${size}")
  endif()
endforeach()

# The pieces must name one another by the same id, or the desktop shows a
# program without its icon, or a software centre can't start it.
if(EXISTS ${PREFIX}/share/applications/${APP_ID}.desktop)
  file(READ ${PREFIX}/share/applications/${APP_ID}.desktop entry)
  foreach(line "Icon=${APP_ID}" "Exec=quillmere-loan-calculator %f" "Categories=Office;Finance;"
               "MimeType=application/x-quillmere-loan;")
    string(FIND "\n${entry}" "\n${line}\n" at)
    if(at EQUAL -1)
      fail("desktop entry lacks ${line}")
    endif()
  endforeach()
endif()
if(EXISTS ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml)
  file(READ ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml metainfo)
  foreach(text "<id>${APP_ID}</id>"
               "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
               "<binary>quillmere-loan-calculator</binary>"
               "<mediatype>application/x-quillmere-loan</mediatype>"
               "<release version=\"${VERSION}\"")
    string(FIND "${metainfo}" "${text}" at)
    if(at EQUAL -1)
      fail("metainfo lacks ${text}")
    endif()
  endforeach()
endif()

# The loan file's type as a desktop's MIME database takes it in: *.qloan
# is a Quillmere loan.
if(EXISTS ${PREFIX}/share/mime/packages/${APP_ID}.xml)
  execute_process(COMMAND update-mime-database ${PREFIX}/share/mime RESULT_VARIABLE mime_result
                  ERROR_VARIABLE mime_errors)
  file(READ ${PREFIX}/share/mime/globs2 globs)
  string(FIND "${globs}" ":application/x-quillmere-loan:*.qloan" at)
  # It notes that the scratch prefix is outside the search path; an error is more.
  string(FIND "${mime_errors}" "rror" error_at)
  if(NOT mime_result EQUAL 0 OR NOT error_at EQUAL -1 OR at EQUAL -1)
    fail("the MIME database doesn't take *.qloan in: ${mime_errors}")
  endif()
endif()

if(failures)
  message(FATAL_ERROR "installed tree under ${PREFIX}:${failures}")
endif()

# The Debian package: `cpack -G DEB` in a build directory (or `make package`).
# Included from the top-level CMakeLists.txt after every install rule exists.

set(CPACK_PACKAGE_NAME quillmere-loan-calculator)
set(CPACK_PACKAGE_VENDOR Quillmere)
set(CPACK_PACKAGE_CONTACT "Quillmere <packages@quillmere.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.quillmere.example)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Loan payment and amortization schedule calculator")
set(CPACK_PACKAGE_DESCRIPTION
  "Type the amount borrowed, the number of months and the annual interest rate,
pick the date of the first payment, and the calculator shows the level monthly
payment and the whole payment schedule, with yearly and closing totals, in the
locale's currency format. The schedule prints as a paginated report.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The shared libraries (Qt, libxlsxwriter and zlib among them) come from
# dpkg-shlibdeps. What it
# cannot see is what is loaded at run time: the fonts the windows and the
# printed schedule fall back on. On Debian 12 the X11 platform plugin and the
# JPEG plugin (for the logo) ship in libqt6gui6, which the libraries already
# pull in; the program prefers X11 (XWayland on a Wayland desktop), so it
# needs no other platform plugin. Qt's own translations, loaded at run time
# too, put its dialogs in the user's language.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-liberation2, qt6-translations-l10n")

include(CPack)

# cpack -G DEB: a package that installs on Debian 12 like any desktop program.
set(CPACK_PACKAGE_NAME quenvalle)
set(CPACK_PACKAGE_VENDOR "Quenvalle")
set(CPACK_PACKAGE_CONTACT "Quenvalle developers <developers@quenvalle.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Pomodoro work timer with a work log")
set(CPACK_PACKAGE_DESCRIPTION "A small desktop work timer for the tomato (Pomodoro) method: \
a countdown, an overtime counter, a recording reminder and a work log that can be exported. \
Its texts are Simplified Chinese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The libraries come from dpkg-shlibdeps; these are what the program loads
# or draws with at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-wqy-zenhei | fonts-noto-cjk, qt6-translations-l10n")
include(CPack)

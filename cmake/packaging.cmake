# Packaging: the Debian package on Linux; on Windows the portable zip and the installer, made
# from our own installer template (cmake/NSIS.template.in), with the third-party notices.
#   cmake --build build --target package
set(CPACK_PACKAGE_NAME triangle30)
set(CPACK_PACKAGE_VENDOR triangle30)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "right triangle with a 30 degree angle: a geometry teaching program")
set(CPACK_STRIP_FILES ON)
if(WIN32)
    set(CPACK_GENERATOR ZIP NSIS)
    set(CPACK_SYSTEM_NAME win64)
    set(CPACK_PACKAGE_INSTALL_DIRECTORY triangle30)
    set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY triangle30)
    set(CPACK_NSIS_PACKAGE_NAME "Триъгълник 30°")
    set(CPACK_NSIS_DISPLAY_NAME "Триъгълник 30° (triangle30)")
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/triangle30.ico)
    set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/triangle30.ico)
    set(CPACK_NSIS_INSTALLED_ICON_NAME triangle30.exe)
    set(CPACK_NSIS_URL_INFO_ABOUT ${PROJECT_HOMEPAGE_URL})

    # The licences of what is linked into the programs, beside them in the zip and in the
    # installed folder: Qt's and its bundled libraries' (kept with the Qt build), MinGW-w64's
    # and GCC's runtime's (from Debian's packages).
    find_program(TRIANGLE30_PYTHON python3 REQUIRED)
    execute_process(COMMAND dpkg-query -W -f=\${source:Version} qt6-base-dev
        OUTPUT_VARIABLE qt_debian_version)
    get_filename_component(qt_prefix ${Qt6_DIR}/../../.. ABSOLUTE)
    set(notices ${PROJECT_BINARY_DIR}/NOTICES.txt)
    set(qt_licenses ${qt_prefix}/share/qt-licenses)
    set(mingw_copyright /usr/share/doc/mingw-w64-x86-64-dev/copyright)
    set(gcc_copyright /usr/share/doc/gcc-mingw-w64-base/copyright)
    add_custom_command(OUTPUT ${notices}
        COMMAND ${TRIANGLE30_PYTHON} ${PROJECT_SOURCE_DIR}/cmake/third_party_notices.py ${notices}
            ${qt_licenses} ${Qt6_VERSION} "${qt_debian_version}" ${mingw_copyright}
            ${gcc_copyright} ${PROJECT_VERSION} ${PROJECT_HOMEPAGE_URL}
        DEPENDS ${PROJECT_SOURCE_DIR}/cmake/third_party_notices.py ${mingw_copyright}
            ${gcc_copyright}
        VERBATIM)
    add_custom_target(third_party_notices ALL DEPENDS ${notices})
    install(FILES ${notices} DESTINATION .)
else()
    # A Debian package: cmake --build build --target package
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "triangle30 <info@${TRIANGLE30_WEB_ADDRESS}>")
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION education)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_PACKAGE_DESCRIPTION
        "A student chooses which of seven sizes of the right triangle ABC (right
angle at C, 30 degrees at A) is known: a leg, the hypotenuse, the altitude,
the median, the bisector of the right angle or the area. The program solves
the triangle and shows both legs, the hypotenuse, the perimeter and a check
by the theorem of Pythagoras. Everything it shows is in Bulgarian.
triangle30-report prints the same report on the console.")
    # The window's text is drawn in Times New Roman or its metric twin, Liberation Serif;
    # Qt's own texts come in Bulgarian from Qt's translations.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")
endif()
include(CPack)

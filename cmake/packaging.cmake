# Installing and packaging: the install rules, the Debian package on Linux, and on Windows the
# portable zip and the installer, made from our own installer template (NSIS.template.in),
# with the third-party notices.
#   cmake --install build        cmake --build build --target package
include(GNUInstallDirs)

if(TARGET triangle30)
    if(WIN32)
        # The programs stand at the top of the install folder and of the zip, with a short
        # read-me in Bulgarian, for Notepad: UTF-8 with a byte order mark, CR LF line ends.
        install(TARGETS triangle30 triangle30-report RUNTIME DESTINATION .)
        configure_file(${PROJECT_SOURCE_DIR}/resources/windows-readme.txt.in README.txt @ONLY
            NEWLINE_STYLE CRLF)
        install(FILES ${PROJECT_BINARY_DIR}/README.txt DESTINATION .)
    else()
        install(TARGETS triangle30 triangle30-report RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
        # The desktop entry, the metainfo and the icons, under one reverse-DNS id.
        configure_file(${PROJECT_SOURCE_DIR}/resources/${TRIANGLE30_APP_ID}.desktop.in
            ${TRIANGLE30_APP_ID}.desktop @ONLY)
        install(FILES ${PROJECT_BINARY_DIR}/${TRIANGLE30_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
        configure_file(${PROJECT_SOURCE_DIR}/resources/${TRIANGLE30_APP_ID}.metainfo.xml.in
            ${TRIANGLE30_APP_ID}.metainfo.xml @ONLY)
        install(FILES ${PROJECT_BINARY_DIR}/${TRIANGLE30_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
        install(FILES ${PROJECT_SOURCE_DIR}/docs/screenshot.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/triangle30)
        install(FILES ${PROJECT_SOURCE_DIR}/resources/triangle30.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps
            RENAME ${TRIANGLE30_APP_ID}.png)
        foreach(size 48 64 128 256)
            install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/triangle30-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${TRIANGLE30_APP_ID}.png)
        endforeach()

        # The man pages, the copyright and the changelog, compressed as Debian keeps them.
        find_program(GZIP_EXECUTABLE gzip REQUIRED)
        configure_file(${PROJECT_SOURCE_DIR}/resources/debian/changelog.in changelog @ONLY)
        configure_file(${PROJECT_SOURCE_DIR}/resources/debian/copyright.in copyright @ONLY)
        set(compressed)
        foreach(file ${PROJECT_SOURCE_DIR}/resources/man/triangle30.1
                ${PROJECT_SOURCE_DIR}/resources/man/triangle30-report.1
                ${PROJECT_BINARY_DIR}/changelog)
            get_filename_component(name ${file} NAME)
            add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/${name}.gz
                COMMAND ${GZIP_EXECUTABLE} -9nc ${file} > ${PROJECT_BINARY_DIR}/${name}.gz
                DEPENDS ${file} VERBATIM)
            list(APPEND compressed ${PROJECT_BINARY_DIR}/${name}.gz)
        endforeach()
        add_custom_target(compressed_docs ALL DEPENDS ${compressed})
        install(FILES ${PROJECT_BINARY_DIR}/triangle30.1.gz ${PROJECT_BINARY_DIR}/triangle30-report.1.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
        install(FILES ${PROJECT_BINARY_DIR}/changelog.gz ${PROJECT_BINARY_DIR}/copyright
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/triangle30)
    endif()
endif()

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
    set(CPACK_NSIS_PACKAGE_NAME "${TRIANGLE30_DISPLAY_NAME}")
    set(CPACK_NSIS_DISPLAY_NAME "${TRIANGLE30_DISPLAY_NAME} (triangle30)")
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/triangle30.ico)
    set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/triangle30.ico)
    set(CPACK_NSIS_INSTALLED_ICON_NAME triangle30.exe)
    set(CPACK_NSIS_URL_INFO_ABOUT ${PROJECT_HOMEPAGE_URL})
    find_program(TRIANGLE30_PYTHON python3 REQUIRED)

    # What the uninstaller carries to remove itself once it has ended (finish_uninstall.cpp),
    # the mutex that one run of the installer, the uninstaller or that helper holds, and what
    # gives the uninstaller its own description.
    set(CPACK_TRIANGLE30_SETUP_MUTEX triangle30-setup)
    set(CPACK_NSIS_UNINSTALL_NAME Uninstall)
    add_executable(finish_uninstall WIN32 ${PROJECT_SOURCE_DIR}/cmake/finish_uninstall.cpp)
    target_link_libraries(finish_uninstall PRIVATE triangle30_settings)
    target_compile_definitions(finish_uninstall PRIVATE
        "TRIANGLE30_REGISTRY_KEY=L\"${CPACK_PACKAGE_INSTALL_REGISTRY_KEY}\""
        "TRIANGLE30_SETUP_MUTEX=L\"${CPACK_TRIANGLE30_SETUP_MUTEX}\""
        "TRIANGLE30_UNINSTALLER=L\"${CPACK_NSIS_UNINSTALL_NAME}.exe\"")
    target_link_options(finish_uninstall PRIVATE -s)
    set_target_properties(finish_uninstall PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
    set(CPACK_TRIANGLE30_FINISH_UNINSTALL ${PROJECT_BINARY_DIR}/finish_uninstall.exe)
    set(CPACK_TRIANGLE30_PYTHON ${TRIANGLE30_PYTHON})
    set(CPACK_TRIANGLE30_DESCRIBE_UNINSTALLER ${PROJECT_SOURCE_DIR}/cmake/describe_uninstaller.py)

    # The licences of what is linked into the programs, beside them in the zip and in the
    # installed folder: Qt's and its bundled libraries' (kept with the Qt build), MinGW-w64's
    # and GCC's runtime's (from Debian's packages).
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
            ${gcc_copyright} ${PROJECT_VERSION} ${PROJECT_HOMEPAGE_URL} "${TRIANGLE30_DISPLAY_NAME}"
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

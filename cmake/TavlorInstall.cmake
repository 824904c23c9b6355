# The installed layout (cmake --install) and the Debian package (cpack -G DEB):
#   bin/                       tavlor, tavlor-cli
#   share/tavlor/              the files the programs read: tables, Bk.N13, built-in list, guide
#   share/applications/        the desktop entry
#   share/icons/hicolor/       the icon, as SVG and as PNGs drawn from it at build time
#   share/metainfo/            the AppStream description
#   share/doc/tavlor/copyright the licences, in Debian's machine-readable format
# Tests, benchmarks, generators and the demo game stay in the build tree.
set(TAVLOR_APP_ID io.github.tavlor.Tavlor)
set(TAVLOR_LINUX_PACKAGING ${PROJECT_SOURCE_DIR}/packaging/linux)
set(TAVLOR_DATA_DESTINATION share/tavlor)

if(TARGET tavlor)
  install(TARGETS tavlor RUNTIME DESTINATION bin)
endif()
install(TARGETS tavlor-cli RUNTIME DESTINATION bin)

file(GLOB TAVLOR_INSTALLED_ASSETS LIST_DIRECTORIES false ${PROJECT_SOURCE_DIR}/assets/*)
list(FILTER TAVLOR_INSTALLED_ASSETS EXCLUDE REGEX "CMakeLists\\.txt$")
install(FILES ${TAVLOR_INSTALLED_ASSETS} DESTINATION ${TAVLOR_DATA_DESTINATION})
# The guide's pictures are photographed at build time into the program folder's help/.
if(TARGET tavlor_guide_pictures)
  install(DIRECTORY ${TAVLOR_PROGRAM_DIR}/help DESTINATION ${TAVLOR_DATA_DESTINATION}
          FILES_MATCHING PATTERN "*.png")
endif()

install(FILES ${TAVLOR_LINUX_PACKAGING}/${TAVLOR_APP_ID}.desktop DESTINATION share/applications)
configure_file(${TAVLOR_LINUX_PACKAGING}/${TAVLOR_APP_ID}.metainfo.xml
               ${CMAKE_CURRENT_BINARY_DIR}/packaging/${TAVLOR_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/${TAVLOR_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${TAVLOR_LINUX_PACKAGING}/copyright DESTINATION share/doc/tavlor)

install(FILES ${TAVLOR_LINUX_PACKAGING}/tavlor.svg DESTINATION share/icons/hicolor/scalable/apps)
# PNGs for menus and docks that do not draw SVG; skipped (with a note) where rsvg-convert is missing.
find_program(TAVLOR_RSVG_CONVERT rsvg-convert)
if(TAVLOR_RSVG_CONVERT)
  set(icon_outputs)
  foreach(size 16 22 24 32 48 64 128 256 512)
    set(icon ${CMAKE_CURRENT_BINARY_DIR}/packaging/icons/${size}x${size}/tavlor.png)
    add_custom_command(OUTPUT ${icon}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/packaging/icons/${size}x${size}
      COMMAND ${TAVLOR_RSVG_CONVERT} -w ${size} -h ${size} -o ${icon} ${TAVLOR_LINUX_PACKAGING}/tavlor.svg
      DEPENDS ${TAVLOR_LINUX_PACKAGING}/tavlor.svg VERBATIM)
    list(APPEND icon_outputs ${icon})
    install(FILES ${icon} DESTINATION share/icons/hicolor/${size}x${size}/apps)
  endforeach()
  add_custom_target(tavlor_icons ALL DEPENDS ${icon_outputs})
else()
  message(STATUS "rsvg-convert not found: the PNG icons are not made (install librsvg2-bin)")
endif()

# The Debian package: its dependencies come from the binaries (dpkg-shlibdeps), plus what the
# programs load at run time without linking it: the xcb platform plugin and a Chinese font.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavlor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tavlor maintainers")
set(CPACK_PACKAGE_CONTACT "Tavlor maintainers <maintainers@users.noreply.c-seed-25185a68.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for the registered generals of Nobunaga13")
set(CPACK_PACKAGE_DESCRIPTION
    "Tavlor opens the game's edit-data file, lists its registered generals and edits each one on a\n"
    "window drawn like the game's own editing screen: names and readings, biography, years,\n"
    "abilities, aptitudes, tactic, origin, status, portrait, home city and related generals.\n"
    "The interface is Chinese (Simplified or Traditional). tavlor-cli does the same from scripts.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-noto-cjk | fonts-wqy-microhei | fonts-wqy-zenhei")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)

# Windows resources for the programs: the emblem as the executable's icon (Explorer, the taskbar and
# every window's title bar, which Qt takes from the resource named IDI_ICON1) and the version
# information Windows shows in a file's properties. The icon is drawn from the same SVG as the
# Linux icons, at the sizes Windows asks for, when rsvg-convert and icotool are there.
find_program(TAVLOR_RSVG_CONVERT rsvg-convert)
find_program(TAVLOR_ICOTOOL icotool)
set(TAVLOR_WINDOWS_ICON ${CMAKE_BINARY_DIR}/packaging/windows/tavlor.ico)
set(TAVLOR_EMBLEM_SVG ${CMAKE_SOURCE_DIR}/packaging/linux/tavlor.svg)
if(TAVLOR_RSVG_CONVERT AND TAVLOR_ICOTOOL)
  set(icon_pictures)
  foreach(size 16 20 24 32 40 48 64 256)
    set(picture ${CMAKE_BINARY_DIR}/packaging/windows/icon-${size}.png)
    add_custom_command(OUTPUT ${picture}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging/windows
      COMMAND ${TAVLOR_RSVG_CONVERT} -w ${size} -h ${size} -o ${picture} ${TAVLOR_EMBLEM_SVG}
      DEPENDS ${TAVLOR_EMBLEM_SVG} VERBATIM)
    list(APPEND icon_pictures ${picture})
  endforeach()
  # The 256-pixel picture is stored as PNG (as Windows expects), the small ones as bitmaps.
  add_custom_command(OUTPUT ${TAVLOR_WINDOWS_ICON}
    COMMAND ${TAVLOR_ICOTOOL} -c -o ${TAVLOR_WINDOWS_ICON} --raw=${CMAKE_BINARY_DIR}/packaging/windows/icon-256.png
            ${CMAKE_BINARY_DIR}/packaging/windows/icon-16.png ${CMAKE_BINARY_DIR}/packaging/windows/icon-20.png
            ${CMAKE_BINARY_DIR}/packaging/windows/icon-24.png ${CMAKE_BINARY_DIR}/packaging/windows/icon-32.png
            ${CMAKE_BINARY_DIR}/packaging/windows/icon-40.png ${CMAKE_BINARY_DIR}/packaging/windows/icon-48.png
            ${CMAKE_BINARY_DIR}/packaging/windows/icon-64.png
    DEPENDS ${icon_pictures} VERBATIM)
  add_custom_target(tavlor_windows_icon DEPENDS ${TAVLOR_WINDOWS_ICON})
  set(TAVLOR_WINDOWS_ICON_LINE "IDI_ICON1 ICON \"${TAVLOR_WINDOWS_ICON}\"")
else()
  message(STATUS "rsvg-convert or icotool not found: the Windows programs get no icon "
                 "(install librsvg2-bin and icoutils)")
  set(TAVLOR_WINDOWS_ICON_LINE "")
endif()

# Gives `target` the icon and a version resource naming `description` and `file_name`.
function(tavlor_windows_resources target description file_name)
  set(TAVLOR_RESOURCE_DESCRIPTION ${description})
  set(TAVLOR_RESOURCE_FILE_NAME ${file_name})
  set(resource ${CMAKE_BINARY_DIR}/packaging/windows/${target}.rc)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/program.rc.in ${resource} @ONLY)
  target_sources(${target} PRIVATE ${resource})
  if(TARGET tavlor_windows_icon)
    add_dependencies(${target} tavlor_windows_icon)
    set_source_files_properties(${resource} PROPERTIES OBJECT_DEPENDS ${TAVLOR_WINDOWS_ICON})
  endif()
endfunction()

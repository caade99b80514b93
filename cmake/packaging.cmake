# What a Linux desktop expects beside the programs: licence and copyright,
# menu entry, icons in every size, AppStream metainfo, man pages, and a
# Debian package built by CPack (cpack -G DEB in a configured build folder).

set(ZIEHWERK_APP_ID "org.ziehwerk.Ziehwerk")
set(ZIEHWERK_DOC_DIR "${CMAKE_INSTALL_DATADIR}/doc/ziehwerk")

# Both programs print the project's version with --version.
target_compile_definitions(ziehwerk PRIVATE ZIEHWERK_VERSION="${PROJECT_VERSION}")
target_compile_definitions(ziehwerk_cli_lib PRIVATE ZIEHWERK_VERSION="${PROJECT_VERSION}")

# PNG icons rendered from the SVG; the program takes them from the icon theme
# or, installed elsewhere than the theme looks, from beside its binary folder.
set(ziehwerk_icon_sizes 48 64 128 256)
find_program(ZIEHWERK_RSVG_CONVERT rsvg-convert)
if(ZIEHWERK_RSVG_CONVERT)
  set(icon_files "")
  foreach(size IN LISTS ziehwerk_icon_sizes)
    set(png "${CMAKE_BINARY_DIR}/icons/ziehwerk-${size}.png")
    add_custom_command(OUTPUT "${png}"
      COMMAND "${CMAKE_COMMAND}" -E make_directory "${CMAKE_BINARY_DIR}/icons"
      COMMAND "${ZIEHWERK_RSVG_CONVERT}" -w ${size} -h ${size}
              -o "${png}" "${CMAKE_SOURCE_DIR}/dist/ziehwerk.svg"
      DEPENDS "${CMAKE_SOURCE_DIR}/dist/ziehwerk.svg"
      COMMENT "Rendering the ${size} px icon" VERBATIM)
    list(APPEND icon_files "${png}")
    install(FILES "${png}" RENAME ziehwerk.png
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps")
  endforeach()
  add_custom_target(ziehwerk_icons ALL DEPENDS ${icon_files})
else()
  message(WARNING "rsvg-convert not found (librsvg2-bin): no PNG icons")
endif()

install(FILES LICENSE dist/copyright DESTINATION "${ZIEHWERK_DOC_DIR}")
install(DIRECTORY dist/licences DESTINATION "${ZIEHWERK_DOC_DIR}")
install(FILES "dist/${ZIEHWERK_APP_ID}.metainfo.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES dist/lintian-overrides RENAME ziehwerk DESTINATION "${CMAKE_INSTALL_DATADIR}/lintian/overrides")

# The Debian changelog, compressed without a time stamp.
set(changelog_gz "${CMAKE_BINARY_DIR}/dist/changelog.Debian.gz")
add_custom_command(OUTPUT "${changelog_gz}"
  COMMAND "${CMAKE_COMMAND}" -E make_directory "${CMAKE_BINARY_DIR}/dist"
  COMMAND sh -c "gzip -9n < \"$0\" > \"$1\"" "${CMAKE_SOURCE_DIR}/dist/changelog" "${changelog_gz}"
  DEPENDS "${CMAKE_SOURCE_DIR}/dist/changelog" VERBATIM)
add_custom_target(ziehwerk_changelog ALL DEPENDS "${changelog_gz}")
install(FILES "${changelog_gz}" DESTINATION "${ZIEHWERK_DOC_DIR}")

# Man pages from the programs' own --help and --version.
find_program(ZIEHWERK_HELP2MAN help2man)
if(ZIEHWERK_HELP2MAN)
  set(man_pages "")
  foreach(program ziehwerk ziehwerk-cli)
    set(page "${CMAKE_BINARY_DIR}/man/${program}.1")
    if(program STREQUAL "ziehwerk")
      set(name "Lotto-Archiv, Statistik und Tippscheine")
    else()
      set(name "Kommandozeile zu Ziehwerk")
    endif()
    add_custom_command(OUTPUT "${page}.gz"
      COMMAND "${CMAKE_COMMAND}" -E make_directory "${CMAKE_BINARY_DIR}/man"
      COMMAND "${CMAKE_COMMAND}" -E env QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
              "PATH=$<TARGET_FILE_DIR:${program}>:$ENV{PATH}"
              "${ZIEHWERK_HELP2MAN}" --no-info --locale=C.UTF-8 --section=1
              "--name=${name}" "--output=${page}" "${program}"
      COMMAND sh -c "gzip -9nf \"$0\"" "${page}"
      DEPENDS ${program} VERBATIM)
    list(APPEND man_pages "${page}.gz")
  endforeach()
  add_custom_target(ziehwerk_man_pages ALL DEPENDS ${man_pages})
  install(FILES ${man_pages} DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
else()
  message(WARNING "help2man not found: no man pages")
endif()

# --version and --help print and end with 0.
if(ZIEHWERK_BUILD_TESTS)
  foreach(check "ziehwerk --version=^ziehwerk ${PROJECT_VERSION}$"
                "ziehwerk --help=--data <ORDNER>"
                "ziehwerk-cli --version=^ziehwerk-cli ${PROJECT_VERSION}$")
    string(REPLACE "=" ";" parts "${check}")
    list(GET parts 0 call)
    list(GET parts 1 expected)
    string(REPLACE " " ";" call "${call}")
    list(GET call 0 program)
    list(GET call 1 option)
    add_test(NAME "${program}${option}"
             COMMAND sh -c "out=$(\"$0\" \"$1\") && printf '%s\\n' \"$out\" | grep -q -e \"$2\""
                     "$<TARGET_FILE:${program}>" "${option}" "${expected}")
    set_tests_properties("${program}${option}" PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  endforeach()
endif()

# The Debian package.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "ziehwerk")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "Ziehwerk-Entwickler <entwickler@ziehwerk.org>")
set(CPACK_PACKAGE_VENDOR "Ziehwerk-Entwickler")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "lottery draw archive, statistics and ticket evaluation (German)")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_PACKAGE_FILE_NAME "ziehwerk")
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-liberation2, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://ziehwerk.org/")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
file(READ "${CMAKE_SOURCE_DIR}/dist/debian-description" CPACK_DEBIAN_PACKAGE_DESCRIPTION)
string(STRIP "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}" CPACK_DEBIAN_PACKAGE_DESCRIPTION)
include(CPack)

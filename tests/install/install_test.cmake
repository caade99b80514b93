# Installs the build tree BUILD into a temporary prefix and starts the
# installed ziehwerk-cli from another folder with an empty home: it must fill
# the user's data folder from the shipped data beside itself, and work there.
set(root "${BUILD}/install_test")
set(prefix "${root}/prefix")
file(REMOVE_RECURSE "${root}")
file(MAKE_DIRECTORY "${root}/home" "${root}/elsewhere")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${prefix}"
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc})")
endif()
foreach(f bin/ziehwerk bin/ziehwerk-cli share/ziehwerk/LOTTO.DAT share/ziehwerk/ZIEHWERK.ASW
          share/applications/ziehwerk.desktop share/icons/hicolor/scalable/apps/ziehwerk.svg
          share/icons/hicolor/48x48/apps/ziehwerk.png share/icons/hicolor/256x256/apps/ziehwerk.png
          share/metainfo/org.ziehwerk.Ziehwerk.metainfo.xml share/man/man1/ziehwerk.1.gz
          share/man/man1/ziehwerk-cli.1.gz share/doc/ziehwerk/copyright)
  if(NOT EXISTS "${prefix}/${f}")
    message(FATAL_ERROR "${f} was not installed")
  endif()
endforeach()
execute_process(COMMAND env "HOME=${root}/home" XDG_DATA_HOME= "${prefix}/bin/ziehwerk-cli" info
                WORKING_DIRECTORY "${root}/elsewhere"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "installed ziehwerk-cli info failed (${rc}): ${err}")
endif()
if(NOT out MATCHES "Ziehungen: +[1-9][0-9]*" OR
   NOT out MATCHES "Datenordner: +${root}/home/.local/share/ziehwerk" OR
   NOT EXISTS "${root}/home/.local/share/ziehwerk/LOTTO.DAT")
  message(FATAL_ERROR "installed ziehwerk-cli did not fill the user's data folder:\n${out}")
endif()
file(REMOVE_RECURSE "${root}")

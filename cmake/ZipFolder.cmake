# Packs FOLDER into the zip file ZIP with every entry below the folder TOP
# (cmake -P; kanvio_zip_folder). The copy it packs from goes with the step.
foreach(var FOLDER ZIP TOP)
  if(NOT ${var})
    message(FATAL_ERROR "ZipFolder.cmake needs -D${var}=...")
  endif()
endforeach()
get_filename_component(stage "${ZIP}.stage" ABSOLUTE)
file(REMOVE_RECURSE "${stage}")
file(MAKE_DIRECTORY "${stage}")
file(COPY "${FOLDER}/" DESTINATION "${stage}/${TOP}")
file(REMOVE "${ZIP}")
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf "${ZIP}" --format=zip "${TOP}"
                WORKING_DIRECTORY "${stage}" RESULT_VARIABLE failed)
file(REMOVE_RECURSE "${stage}")
if(failed)
  message(FATAL_ERROR "cannot pack ${FOLDER} into ${ZIP}")
endif()

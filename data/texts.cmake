# The delivered text files: the settings file and its backup, the URL list
# and the topics list.  Their sources in texts/ are UTF-8 so that a change
# reads plainly in a diff; the build turns each into the form the programs
# read (CP932, CR LF) in the program folder.  The settings file and its
# backup are built from the same source, so they are always equal.
add_executable(delivered_text ${CMAKE_CURRENT_SOURCE_DIR}/generators/delivered_text.cpp)
target_link_libraries(delivered_text PRIVATE platform_runtime)

set(delivered_text_files
  "settings.ini.txt|Ranvikchart.ini"
  "settings.ini.txt|Ranvikchart.org.txt"
  "url_list.txt|MyURL.txt"
  "topics.txt|チャートNEWS.etxt")

set(delivered_text_outputs)
foreach(entry IN LISTS delivered_text_files)
  string(REPLACE "|" ";" parts "${entry}")
  list(GET parts 0 source)
  list(GET parts 1 delivered)
  set(source ${CMAKE_CURRENT_SOURCE_DIR}/texts/${source})
  set(output ${RANVIK_PROGRAM_DIR}/${delivered})
  add_custom_command(
    OUTPUT ${output}
    COMMAND delivered_text ${source} ${output}
    DEPENDS delivered_text ${source}
    COMMENT "Delivered file ${delivered}"
    VERBATIM)
  list(APPEND delivered_text_outputs ${output})
endforeach()
add_custom_target(delivered_texts ALL DEPENDS ${delivered_text_outputs})

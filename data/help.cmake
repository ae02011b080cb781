# The manual: readable UTF-8 HTML pages in help/ (help/Manual/RanvikC5.html
# and its neighbours, with their style sheet), built into the one help file
# the programs name, "RanvikCManual.chm" in the program folder.  The help
# file is a Qt binary resource file holding the pages under their names
# below help/ ("Manual/RanvikC5.html"); the programs' help viewer opens it
# when a page is first asked for.
file(GLOB_RECURSE help_sources CONFIGURE_DEPENDS
  RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}/help
  ${CMAKE_CURRENT_SOURCE_DIR}/help/*.html ${CMAKE_CURRENT_SOURCE_DIR}/help/*.css)
list(SORT help_sources)

set(help_list "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n")
set(help_depends)
foreach(page IN LISTS help_sources)
  string(APPEND help_list "  <file alias=\"${page}\">${CMAKE_CURRENT_SOURCE_DIR}/help/${page}</file>\n")
  list(APPEND help_depends ${CMAKE_CURRENT_SOURCE_DIR}/help/${page})
endforeach()
string(APPEND help_list "</qresource>\n</RCC>\n")
set(help_qrc ${CMAKE_CURRENT_BINARY_DIR}/help_file.qrc)
file(CONFIGURE OUTPUT ${help_qrc} CONTENT "${help_list}")

set(help_file ${RANVIK_PROGRAM_DIR}/RanvikCManual.chm)
add_custom_command(
  OUTPUT ${help_file}
  COMMAND Qt6::rcc --binary --no-compress -o ${help_file} ${help_qrc}
  DEPENDS ${help_qrc} ${help_depends}
  COMMENT "Delivered file RanvikCManual.chm"
  VERBATIM)
add_custom_target(delivered_help ALL DEPENDS ${help_file})

# The stock list tables delivered with the programs, built from the readable
# sources in tables/ into the program folder.  The segment tables keep the
# order and the industry headings of their sources; the all-stocks table
# holds every stock of them in ascending code order, a Tokyo entry taking
# precedence over the Nagoya entry of the same stock.
add_executable(make_list_table ${CMAKE_CURRENT_SOURCE_DIR}/generators/make_list_table.cpp)
target_link_libraries(make_list_table PRIVATE platform_lists)

# The version the tables carry in their header: the chart program deletes at
# start-up every table older than itself.
set(RANVIK_LIST_TABLE_VERSION 4.4.24)

set(list_table_dir ${CMAKE_CURRENT_SOURCE_DIR}/tables)
set(list_table_outputs)

function(ranvik_list_table output)
  cmake_parse_arguments(ARG "BY_CODE" "" "SOURCES" ${ARGN})
  set(sources)
  foreach(s ${ARG_SOURCES})
    list(APPEND sources ${list_table_dir}/${s})
  endforeach()
  set(flags)
  if(ARG_BY_CODE)
    set(flags --by-code)
  endif()
  add_custom_command(
    OUTPUT ${RANVIK_PROGRAM_DIR}/${output}
    COMMAND make_list_table --version ${RANVIK_LIST_TABLE_VERSION}
            --out ${RANVIK_PROGRAM_DIR}/${output} ${flags} ${sources}
    DEPENDS make_list_table ${sources}
    COMMENT "Building the stock list table ${output}"
    VERBATIM)
  set(list_table_outputs ${list_table_outputs} ${RANVIK_PROGRAM_DIR}/${output} PARENT_SCOPE)
endfunction()

ranvik_list_table(東証プライムリスト.eTBL SOURCES tse_prime.txt)
ranvik_list_table(東証スタンダードリスト.eTBL SOURCES tse_standard.txt)
ranvik_list_table(東証グロースリスト.eTBL SOURCES tse_growth.txt)
ranvik_list_table(名証全リスト.eTBL SOURCES nagoya.txt)
ranvik_list_table(全銘柄リスト.eTBL BY_CODE
  SOURCES tse_prime.txt tse_standard.txt tse_growth.txt nagoya.txt)

add_custom_target(list_tables ALL DEPENDS ${list_table_outputs})

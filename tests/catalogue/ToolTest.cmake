# Runs the catalogue tool end to end: builds a catalogue from CSV, then checks
# that `dump` prints a real Access file exactly as mdb-export did, that
# `query` answers the gallery's query on the built file, and that a wrong
# password fails with Jet's text.
# Variables: TOOL, EMULATOR (may be empty); CONFORMANCE and WORK are folders
# as the tool sees them, CONFORMANCE_LOCAL and WORK_LOCAL the same folders as
# this script sees them (they differ under Wine).
function(run_tool out_var expect_rc)
  execute_process(COMMAND ${EMULATOR} ${TOOL} ${ARGN}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL expect_rc)
    message(FATAL_ERROR "catalogue ${ARGN}: exit ${rc}, expected ${expect_rc}\n${err}")
  endif()
  set(${out_var} "${out}${err}" PARENT_SCOPE)
endfunction()

run_tool(dump 0 dump ${CONFORMANCE}/mdbreader_password_data_V2003_with-password.mdb Table1
         --password password)
file(READ ${CONFORMANCE_LOCAL}/expected/mdbreader_password_data_V2003_with-password__Table1.csv
     expected)
if(NOT dump STREQUAL expected)
  message(FATAL_ERROR "dump differs from mdb-export:\n${dump}")
endif()

run_tool(refused 1 dump ${CONFORMANCE}/mdbreader_password_data_V2003_with-password.mdb Table1)
if(NOT refused MATCHES "Not a valid password\\.")
  message(FATAL_ERROR "wrong password not refused: ${refused}")
endif()

file(MAKE_DIRECTORY ${WORK_LOCAL})
file(WRITE ${WORK_LOCAL}/title.csv
     "TitleIndex,Title1,Title3\n2,http://b,蓝天白云\n1,http://a,蓝天白云\n0,http://z,蓝天白云\n3,http://c,红色火焰\n")
run_tool(built 0 build ${WORK}/title.csv ${WORK}/NoteData.MDB --table Title --password mivra4302)
run_tool(tables 0 tables ${WORK}/NoteData.MDB --password mivra4302)
if(NOT tables STREQUAL "Title\n")
  message(FATAL_ERROR "tables: ${tables}")
endif()
run_tool(rows 0 query ${WORK}/NoteData.MDB --password mivra4302
         "Select * From Title Where (TitleIndex > 0) And (Title3 = '蓝天白云') Order By TitleIndex")
if(NOT rows STREQUAL "TitleIndex,Title1,Title3\n1,\"http://a\",\"蓝天白云\"\n2,\"http://b\",\"蓝天白云\"\n")
  message(FATAL_ERROR "query: ${rows}")
endif()
run_tool(usage 2 dump)

# Runs the catalogue tool end to end: builds a catalogue from CSV, then checks
# that `dump` prints a real Access file exactly as mdb-export did, that
# `query` answers the gallery's query on the built file, and that a wrong
# password fails with Jet's text.
# Variables: TOOL, EMULATOR (may be empty); CONFORMANCE is the folder of the
# real Access files as the tool sees it, CONFORMANCE_LOCAL the same folder as
# this script sees it, and TOOL_DRIVE what the tool puts before a path of this
# machine (Z: under Wine, empty natively).
# The files the tool writes go to a folder of their own, named by mktemp, so
# runs side by side never share one.
execute_process(COMMAND mktemp -d --tmpdir catalogue-tool-XXXXXX
                OUTPUT_VARIABLE work_local OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT IS_DIRECTORY "${work_local}")
  message(FATAL_ERROR "mktemp could not make a temporary folder")
endif()
set(work "${TOOL_DRIVE}${work_local}")

function(fail text)
  file(REMOVE_RECURSE ${work_local})
  message(FATAL_ERROR "${text}")
endfunction()

function(run_tool out_var expect_rc)
  execute_process(COMMAND ${EMULATOR} ${TOOL} ${ARGN}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL expect_rc)
    fail("catalogue ${ARGN}: exit ${rc}, expected ${expect_rc}\n${err}")
  endif()
  set(${out_var} "${out}${err}" PARENT_SCOPE)
endfunction()

run_tool(dump 0 dump ${CONFORMANCE}/mdbreader_password_data_V2003_with-password.mdb Table1
         --password password)
file(READ ${CONFORMANCE_LOCAL}/expected/mdbreader_password_data_V2003_with-password__Table1.csv
     expected)
if(NOT dump STREQUAL expected)
  fail("dump differs from mdb-export:\n${dump}")
endif()

run_tool(refused 1 dump ${CONFORMANCE}/mdbreader_password_data_V2003_with-password.mdb Table1)
if(NOT refused MATCHES "Not a valid password\\.")
  fail("wrong password not refused: ${refused}")
endif()

file(WRITE ${work_local}/title.csv
     "TitleIndex,Title1,Title3\n2,http://b,蓝天白云\n1,http://a,蓝天白云\n0,http://z,蓝天白云\n3,http://c,红色火焰\n")
run_tool(built 0 build ${work}/title.csv ${work}/NoteData.MDB --table Title --password mivra4302)
run_tool(tables 0 tables ${work}/NoteData.MDB --password mivra4302)
if(NOT tables STREQUAL "Title\n")
  fail("tables: ${tables}")
endif()
run_tool(rows 0 query ${work}/NoteData.MDB --password mivra4302
         "Select * From Title Where (TitleIndex > 0) And (Title3 = '蓝天白云') Order By TitleIndex")
if(NOT rows STREQUAL "TitleIndex,Title1,Title3\n1,\"http://a\",\"蓝天白云\"\n2,\"http://b\",\"蓝天白云\"\n")
  fail("query: ${rows}")
endif()
run_tool(usage 2 dump)
file(REMOVE_RECURSE ${work_local})

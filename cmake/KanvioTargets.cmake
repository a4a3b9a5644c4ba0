# Helpers shared by every area: tests with a ctest label, benchmarks collected
# under one `bench` target, fuzz targets, designs compiled into programs, and
# the JPEG library for either build.
include(GoogleTest)

# The tool that produces build-time data: our own target in a native build,
# the matching native program from KANVIO_HOST_TOOLS when cross compiling.
# kanvio_host_tool(var target [file name, if the target names its output])
function(kanvio_host_tool out_var target)
  set(file ${target})
  if(ARGC GREATER 2)
    set(file ${ARGV2})
  endif()
  if(CMAKE_CROSSCOMPILING)
    if(NOT KANVIO_HOST_TOOLS)
      message(FATAL_ERROR "Cross build needs KANVIO_HOST_TOOLS (the native build's bin folder)")
    endif()
    set(${out_var} ${KANVIO_HOST_TOOLS}/${file} PARENT_SCOPE)
  else()
    set(${out_var} $<TARGET_FILE:${target}> PARENT_SCOPE)
  endif()
endfunction()

# What tests share under Wine, handed out by ctest (ctest-resources.json in
# the build tree): GUI tests and journeys run side by side, each holding one
# of the "display" slots (scripts/with-display gives every slot an Xvfb and
# a Wine prefix of its own, scripts/wine-exec starts a test in the slot it
# got); the style checks each hold a "tidy" slot, one per core. Elsewhere (a
# Windows machine's one desktop) GUI tests run one at a time.
set(KANVIO_GUI_SLOTS 2 CACHE STRING
    "GUI tests that run at once under Wine (scripts/with-display starts as many slots)")
if(CMAKE_CROSSCOMPILING_EMULATOR)
  include(ProcessorCount)
  ProcessorCount(cores)
  if(cores LESS 1)
    set(cores 1)
  endif()
  set(slots "")
  math(EXPR last "${KANVIO_GUI_SLOTS} - 1")
  foreach(i RANGE ${last})
    list(APPEND slots "{\"id\": \"${i}\"}")
  endforeach()
  list(JOIN slots ", " slots)
  file(WRITE ${CMAKE_BINARY_DIR}/ctest-resources.json
       "{\"version\": {\"major\": 1, \"minor\": 0}, \"local\": [{\"display\": [${slots}], "
       "\"tidy\": [{\"id\": \"cores\", \"slots\": ${cores}}]}]}\n")
  set(CTEST_RESOURCE_SPEC_FILE ${CMAKE_BINARY_DIR}/ctest-resources.json)
endif()

# kanvio_quick_build(<target>): a test's own code is optimised for a quick
# build, not for speed (at -O3 the assertion-heavy test files took the better
# part of the build); what it tests, the libraries, keeps the tree's flags.
function(kanvio_quick_build target)
  if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(${target} PRIVATE -Og)
  endif()
endfunction()

# kanvio_add_test(NAME n LABEL area SOURCES ... [LIBS ...] [GUI] [TIMEOUT seconds]
#                 [DPIS dpi...])
# GUI tests hold a display slot (see above) while they run. Their time-out
# is there to end a hang, not to time them: the leak tests repaint a
# thousand times and, on a loaded two-core machine, take ten times what they
# take on a quiet one (a tree's scroll bars took over 120 s at a load of 20).
# A test that takes long by design (a day's walk through the program) names
# its own time-out. DPIS runs a GUI test's cases once more at each display
# scale given (as "Case.dpi144"), each in a prefix at that scale
# (scripts/wine-exec, KANVIO_DPI). Those runs carry the label "dpi" alone:
# the discovered tests' properties take one value each, so `-L area` runs
# the cases at 96 dots per inch and `-L dpi` every scaled run.
function(kanvio_add_test)
  cmake_parse_arguments(T "GUI" "NAME;LABEL;TIMEOUT" "SOURCES;LIBS;DPIS" ${ARGN})
  if(KANVIO_FUZZ)
    return()
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest_main)
  kanvio_quick_build(${T_NAME})
  if(T_GUI AND WIN32)
    kanvio_add_manifest(${T_NAME})
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
    if(T_GUI)
      set(T_TIMEOUT 600)
    endif()
  endif()
  set(props LABELS ${T_LABEL} TIMEOUT ${T_TIMEOUT})
  if(T_GUI AND CMAKE_CROSSCOMPILING_EMULATOR)
    list(APPEND props RESOURCE_GROUPS display:1 ENVIRONMENT KANVIO_GUI_TEST=1)
  elseif(T_GUI)
    list(APPEND props RUN_SERIAL TRUE)
  endif()
  gtest_discover_tests(${T_NAME} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR} PROPERTIES ${props})
  if(T_DPIS AND NOT (T_GUI AND CMAKE_CROSSCOMPILING_EMULATOR))
    message(FATAL_ERROR "${T_NAME}: DPIS needs a GUI test of the Windows build")
  endif()
  foreach(dpi IN LISTS T_DPIS)
    gtest_discover_tests(${T_NAME} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                         TEST_SUFFIX .dpi${dpi} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
                         PROPERTIES LABELS dpi TIMEOUT ${T_TIMEOUT} RESOURCE_GROUPS display:1
                           ENVIRONMENT KANVIO_DPI=${dpi})
  endforeach()
endfunction()

# kanvio_add_bench(NAME n SOURCES ... [LIBS ...] [ARGS ...]): built with
# `bench` and run by it, in the order added.
function(kanvio_add_bench)
  cmake_parse_arguments(B "" "NAME" "SOURCES;LIBS;ARGS" ${ARGN})
  if(KANVIO_FUZZ)
    return()
  endif()
  add_executable(${B_NAME} EXCLUDE_FROM_ALL ${B_SOURCES})
  target_link_libraries(${B_NAME} PRIVATE ${B_LIBS})
  set_property(GLOBAL APPEND PROPERTY KANVIO_BENCHES ${B_NAME})
  # One entry per benchmark, also when it has no arguments (an empty entry
  # would vanish from the list).
  string(REPLACE ";" "\\;" args "${B_ARGS}")
  set_property(GLOBAL APPEND PROPERTY KANVIO_BENCH_ARGS "args:${args}")
endfunction()

function(kanvio_finish_bench_target)
  get_property(benches GLOBAL PROPERTY KANVIO_BENCHES)
  get_property(bench_args GLOBAL PROPERTY KANVIO_BENCH_ARGS)
  set(commands)
  set(i 0)
  foreach(b IN LISTS benches)
    list(GET bench_args ${i} a)
    string(REGEX REPLACE "^args:" "" a "${a}")
    string(REPLACE "\\;" ";" a "${a}")
    list(APPEND commands COMMAND ${b} ${a})
    math(EXPR i "${i} + 1")
  endforeach()
  list(APPEND commands COMMAND ${CMAKE_COMMAND} -E echo "benchmarks: ${benches}")
  add_custom_target(bench ${commands} DEPENDS ${benches} USES_TERMINAL
                    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
                    COMMENT "Running benchmarks")
endfunction()

# kanvio_add_fuzzer(NAME n LABEL area SOURCES ... LIBS ... CORPUS dir)
# With KANVIO_FUZZ a libFuzzer binary; otherwise a test that replays the seed
# corpus through the same entry point (under the sanitizers in the native build).
function(kanvio_add_fuzzer)
  cmake_parse_arguments(F "" "NAME;LABEL;CORPUS" "SOURCES;LIBS" ${ARGN})
  if(KANVIO_FUZZ)
    add_executable(${F_NAME} ${F_SOURCES})
    target_compile_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${F_NAME} PRIVATE ${F_LIBS} -fsanitize=fuzzer)
  else()
    add_executable(${F_NAME} ${F_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/CorpusReplay.cpp)
    target_link_libraries(${F_NAME} PRIVATE ${F_LIBS})
    add_test(NAME ${F_NAME}.corpus COMMAND ${F_NAME} ${F_CORPUS})
    set_tests_properties(${F_NAME}.corpus PROPERTIES LABELS ${F_LABEL} TIMEOUT 300)
  endif()
endfunction()

# kanvio::jpeg: libjpeg-turbo, Debian's for the native build, the one built
# by scripts/build-libjpeg for the Windows build.
if(NOT TARGET kanvio::jpeg)
  add_library(kanvio::jpeg INTERFACE IMPORTED GLOBAL)
  if(CMAKE_CROSSCOMPILING AND WIN32)
    list(APPEND CMAKE_FIND_ROOT_PATH ${PROJECT_SOURCE_DIR}/third_party/prefix/mingw)
    find_package(libjpeg-turbo CONFIG REQUIRED)
    target_link_libraries(kanvio::jpeg INTERFACE libjpeg-turbo::jpeg-static)
  else()
    find_package(JPEG REQUIRED)
    target_link_libraries(kanvio::jpeg INTERFACE JPEG::JPEG)
  endif()
endif()

# zlib: Debian's for the native build, libz-mingw-w64-dev for the Windows build.
find_package(ZLIB REQUIRED)

# toolkit_add_designs(<target> <design file>...): builds each design file into
# the target as an RCDATA resource named after the file without its extension
# (TFormMain.design -> "TFormMain"), which Form::LoadDesign reads.
function(toolkit_add_designs target)
  set(rc_lines "")
  set(design_paths "")
  foreach(design IN LISTS ARGN)
    get_filename_component(path ${design} ABSOLUTE)
    get_filename_component(name ${design} NAME_WE)
    string(APPEND rc_lines "${name} RCDATA \"${path}\"\n")
    list(APPEND design_paths ${path})
  endforeach()
  kanvio_add_resources(${target} designs "${rc_lines}" "Designs of ${target}" ${design_paths})
endfunction()

# kanvio_add_resources(<target> <part> <script> <comment> <input>...): the
# resource script text compiled into the target (as <target>_<part>.o),
# again whenever one of the inputs it names changes.
function(kanvio_add_resources target part script comment)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_${part}.rc)
  set(object ${CMAKE_CURRENT_BINARY_DIR}/${target}_${part}.o)
  file(GENERATE OUTPUT ${rc} CONTENT "${script}")
  add_custom_command(OUTPUT ${object}
    COMMAND ${CMAKE_RC_COMPILER} -O coff -i ${rc} -o ${object}
    DEPENDS ${ARGN} ${rc}
    COMMENT "${comment}" VERBATIM)
  set_source_files_properties(${object} PROPERTIES EXTERNAL_OBJECT TRUE GENERATED TRUE)
  target_sources(${target} PRIVATE ${object})
endfunction()

# kanvio_add_manifest(<target>): cmake/Program.manifest as the program's
# manifest (resource 1 of type RT_MANIFEST), which Windows reads before the
# program starts: it gets the common controls of version 6, names the
# versions of Windows it was tested on and declares per-monitor awareness
# of the display's scale (the forms and the skin scale themselves). Every
# program a user starts carries it, and so does every GUI test, so that the
# tests draw under the same conditions.
function(kanvio_add_manifest target)
  set(manifest ${PROJECT_SOURCE_DIR}/cmake/Program.manifest)
  kanvio_add_resources(${target} manifest "1 24 \"${manifest}\"\n" "The manifest of ${target}"
                       ${manifest})
endfunction()

# kanvio_ship_program(<target> <folder>): the program as it ships, copied
# into <folder> after each link without its symbol table and debugging
# information (half the file). Both stay, for a debugger, in
# <build>/symbols/<program>.debug, which the shipped file names in its
# .gnu_debuglink section.
function(kanvio_ship_program target folder)
  set(symbols ${CMAKE_BINARY_DIR}/symbols)
  set(shipped ${folder}/$<TARGET_FILE_NAME:${target}>)
  set(debug ${symbols}/$<TARGET_FILE_NAME:${target}>.debug)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder} ${symbols}
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> ${debug}
    COMMAND ${CMAKE_STRIP} --strip-all -o ${shipped} $<TARGET_FILE:${target}>
    COMMAND ${CMAKE_OBJCOPY} --add-gnu-debuglink=${debug} ${shipped}
    VERBATIM)
endfunction()

# kanvio_zip_folder(<target> <folder> <zip> <top> DEPENDS ...): target <target>
# (built by default) packs <folder> into <zip>, every file under one folder
# <top>, as a user unpacks it on Windows.
function(kanvio_zip_folder target folder zip top)
  cmake_parse_arguments(Z "" "" "DEPENDS" ${ARGN})
  add_custom_command(OUTPUT ${zip}
    COMMAND ${CMAKE_COMMAND} -DFOLDER=${folder} -DZIP=${zip} -DTOP=${top}
            -P ${PROJECT_SOURCE_DIR}/cmake/ZipFolder.cmake
    DEPENDS ${Z_DEPENDS} ${PROJECT_SOURCE_DIR}/cmake/ZipFolder.cmake
    COMMENT "Packing ${folder} into ${zip}" VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${zip})
endfunction()

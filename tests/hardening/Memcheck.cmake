# Runs the tests of a native build under valgrind memcheck:
#   cmake -DBUILD_DIR=build/linux [-DJOBS=2] -P tests/hardening/Memcheck.cmake
# Any memcheck error or definite leak fails the run (--error-exitcode). The test list comes from
# CTest itself; the GoogleTest cases that CTest lists one by one are run as one process per
# executable, since under valgrind each process start costs seconds. Each test keeps its
# environment, working directory and pass/fail expressions. Left out: tests labelled
# "no-memcheck" (minutes under valgrind, and run under AddressSanitizer anyway, or a harness
# whose subject is a child process) and commands from outside the build tree (nm, cmake).
cmake_minimum_required(VERSION 3.20)

if(NOT BUILD_DIR)
    message(FATAL_ERROR "usage: cmake -DBUILD_DIR=<build directory> -P Memcheck.cmake")
endif()
get_filename_component(BUILD_DIR "${BUILD_DIR}" ABSOLUTE)
if(NOT JOBS)
    cmake_host_system_information(RESULT JOBS QUERY NUMBER_OF_LOGICAL_CORES)
endif()
find_program(VALGRIND valgrind REQUIRED)
set(OUT_DIR "${BUILD_DIR}/memcheck")

set(VALGRIND_COMMAND
    "${VALGRIND}"
    --error-exitcode=97
    --leak-check=full
    --show-leak-kinds=definite
    --errors-for-leak-kinds=definite
    # Programs that replace operator new (the allocation seams) keep their own.
    --soname-synonyms=somalloc=nouserintercepts
    "--suppressions=${CMAKE_CURRENT_LIST_DIR}/valgrind.supp"
    --quiet)

execute_process(COMMAND "${CMAKE_CTEST_COMMAND}" --test-dir "${BUILD_DIR}" --show-only=json-v1
    OUTPUT_VARIABLE json RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cannot list the tests of ${BUILD_DIR}")
endif()

# A bracket argument holding `text` as it is.
function(quote text out)
    set(${out} "[==[${text}]==]" PARENT_SCOPE)
endfunction()

# Properties carried over; a GoogleTest case's skip expression would mark a whole executable as
# skipped, so grouped executables leave it out.
set(carried ENVIRONMENT WORKING_DIRECTORY PASS_REGULAR_EXPRESSION FAIL_REGULAR_EXPRESSION
    SKIP_REGULAR_EXPRESSION SKIP_RETURN_CODE WILL_FAIL RUN_SERIAL LABELS REQUIRED_FILES
    FIXTURES_SETUP FIXTURES_CLEANUP FIXTURES_REQUIRED RESOURCE_LOCK)

string(JSON count LENGTH "${json}" tests)
math(EXPR last "${count} - 1")
set(file "")
set(grouped "")
set(added 0)
foreach(i RANGE ${last})
    # Each test's own object, so that the lookups below parse only that.
    string(JSON test GET "${json}" tests ${i})
    string(JSON name GET "${test}" name)
    string(JSON argc ERROR_VARIABLE no_command LENGTH "${test}" command)
    if(no_command)
        continue()
    endif()
    math(EXPR argl "${argc} - 1")
    set(command "")
    set(group FALSE)
    foreach(a RANGE ${argl})
        string(JSON arg GET "${test}" command ${a})
        if(arg MATCHES "^--gtest_filter=")
            set(group TRUE)
        else()
            list(APPEND command "${arg}")
        endif()
    endforeach()
    list(GET command 0 program)
    string(FIND "${program}" "${BUILD_DIR}/" at)
    if(NOT at EQUAL 0)
        continue()
    endif()

    set(properties "")
    set(skip FALSE)
    string(JSON propc ERROR_VARIABLE no_properties LENGTH "${test}" properties)
    if(NOT no_properties AND propc GREATER 0)
        math(EXPR propl "${propc} - 1")
        foreach(p RANGE ${propl})
            string(JSON property GET "${test}" properties ${p} name)
            string(JSON type TYPE "${test}" properties ${p} value)
            set(value "")
            if(type STREQUAL "ARRAY")
                string(JSON valuec LENGTH "${test}" properties ${p} value)
                if(valuec GREATER 0)
                    math(EXPR valuel "${valuec} - 1")
                    foreach(v RANGE ${valuel})
                        string(JSON item GET "${test}" properties ${p} value ${v})
                        list(APPEND value "${item}")
                    endforeach()
                endif()
            else()
                string(JSON value GET "${test}" properties ${p} value)
            endif()
            if(property STREQUAL "LABELS" AND ("no-memcheck" IN_LIST value))
                set(skip TRUE)
            endif()
            if(property IN_LIST carried AND NOT (group AND property STREQUAL
                                                 "SKIP_REGULAR_EXPRESSION"))
                quote("${value}" quoted)
                string(APPEND properties " ${property} ${quoted}")
            endif()
        endforeach()
    endif()
    if(skip)
        continue()
    endif()

    if(group)
        # One test per executable, named after it.
        get_filename_component(name "${program}" NAME)
        if(name IN_LIST grouped)
            continue()
        endif()
        list(APPEND grouped "${name}")
    endif()
    set(arguments "")
    foreach(arg IN LISTS VALGRIND_COMMAND command)
        quote("${arg}" quoted)
        string(APPEND arguments " ${quoted}")
    endforeach()
    quote("${name}" quoted_name)
    string(APPEND file "add_test(${quoted_name}${arguments})\n")
    string(APPEND file "set_tests_properties(${quoted_name} PROPERTIES TIMEOUT 900${properties})\n")
    math(EXPR added "${added} + 1")
endforeach()

if(added EQUAL 0)
    message(FATAL_ERROR "no test of ${BUILD_DIR} to run under valgrind")
endif()
file(REMOVE_RECURSE "${OUT_DIR}")
file(WRITE "${OUT_DIR}/CTestTestfile.cmake" "${file}")
execute_process(COMMAND "${CMAKE_CTEST_COMMAND}" --test-dir "${OUT_DIR}" -j ${JOBS}
    --output-on-failure RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "valgrind memcheck found errors or failing tests")
endif()

# Quiz files become content at configure time: the quiz tool (content/quizfile) is built as a
# project of its own in <build>/quiz-tool, then checks each quiz file and writes its generated
# code. A change to a quiz file, its pairs table or its pictures configures again by itself.

function(zort_build_quiz_tool)
    set(dir ${CMAKE_BINARY_DIR}/quiz-tool)
    set(source ${PROJECT_SOURCE_DIR}/content/quizfile)
    if(NOT EXISTS ${dir}/CMakeCache.txt)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -S ${source} -B ${dir} -G ${CMAKE_GENERATOR}
                    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=${CMAKE_CXX_COMPILER}
                    -DCMAKE_PREFIX_PATH=${CMAKE_PREFIX_PATH}
            OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE failed)
        if(failed)
            message(FATAL_ERROR "Configuring the quiz tool failed:\n${out}")
        endif()
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} --build ${dir}
                    OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "Building the quiz tool failed:\n${out}")
    endif()
    file(GLOB tool_sources ${source}/*.cpp ${source}/*.h ${source}/CMakeLists.txt)
    set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${tool_sources})
    set(ZORT_QUIZ_TOOL ${dir}/zort-quiz CACHE INTERNAL "The quiz tool")
endfunction()

# zort_quiz_content(TARGET QUIZ_FILE NAME): checks the quiz file and adds its content to TARGET
# as `const Content &NAME()`, with its pictures as resources. A quiz with problems stops here
# with the tool's messages. Sets ZORT_QUIZ_ID and ZORT_QUIZ_CAPTION for the caller.
function(zort_quiz_content target quiz name)
    set(out ${CMAKE_BINARY_DIR}/quiz-content/${target})
    execute_process(COMMAND ${ZORT_QUIZ_TOOL} generate ${quiz} ${out} ${name}
                    OUTPUT_VARIABLE report RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "The quiz file has problems (above); nothing was built. "
                            "scripts/check-quiz.sh checks a quiz file on its own.")
    endif()
    message(STATUS "Quiz ${name}: ${report}")
    include(${out}/${name}.cmake)
    set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ZORT_QUIZ_DEPENDS})
    target_sources(${target} PRIVATE ${ZORT_QUIZ_SOURCES})
    if(ZORT_QUIZ_SOURCES MATCHES "\\.qrc")
        set_target_properties(${target} PROPERTIES AUTORCC ON)
    endif()
    set(ZORT_QUIZ_ID ${ZORT_QUIZ_ID} PARENT_SCOPE)
    set(ZORT_QUIZ_CAPTION ${ZORT_QUIZ_CAPTION} PARENT_SCOPE)
endfunction()

# Quiz files become content in the build: the quiz tool (quiztool/, target zort-quiz) checks each
# quiz file and writes its generated code. A quiz with problems stops the build with the tool's
# messages. The tool names every file it read in a dependency file, so a change to the quiz file,
# its pairs table or its pictures builds again.

# A cross build cannot run the quiz tool it builds for the target: ZORT_QUIZ_TOOL then names one
# built for this machine (scripts/build-windows.sh builds it in a host build first).
set(ZORT_QUIZ_TOOL "" CACHE FILEPATH "A zort-quiz built for the build machine, run instead of the target zort-quiz")
if(ZORT_QUIZ_TOOL)
    set(ZORT_QUIZ_COMMAND "${ZORT_QUIZ_TOOL}")
elseif(CMAKE_CROSSCOMPILING)
    message(FATAL_ERROR "A cross build runs the quiz tool on this machine: give one built here as -DZORT_QUIZ_TOOL=PATH")
else()
    set(ZORT_QUIZ_COMMAND zort-quiz)
endif()
# The host's rcc compresses with zstd unless told not to; a Qt built without zstd cannot read that.
set(ZORT_RCC_OPTIONS)
if(NOT QT_FEATURE_zstd)
    set(ZORT_RCC_OPTIONS --no-zstd)
endif()

# zort_quiz_content(TARGET QUIZ_FILE NAME [LAUNCHER APP_ID]): adds the quiz's content to TARGET as
# `const Content &NAME()`, with its pictures as resources. With LAUNCHER, also writes APP_ID.desktop,
# APP_ID.metainfo.xml, quiz-package.cmake (the package's description, version and maintainer) and
# the package's changelog into the build folder from the templates in data/, with the quiz's caption.
function(zort_quiz_content target quiz name)
    cmake_parse_arguments(ARG "" "LAUNCHER" "" ${ARGN})
    set(out "${CMAKE_BINARY_DIR}/quiz-content/${target}-${name}")
    set(outputs "${out}/${name}.cpp" "${out}/${name}.qrc")
    set(fill)
    set(compress)
    if(ARG_LAUNCHER)
        set(data "${PROJECT_SOURCE_DIR}/data")
        set(launcher "${CMAKE_BINARY_DIR}/data/${ARG_LAUNCHER}")
        set(package "${CMAKE_BINARY_DIR}/data/quiz-package.cmake")
        list(APPEND fill --fill "${launcher}.desktop.in" "${launcher}.desktop"
                         --fill "${launcher}.metainfo.xml.in" "${launcher}.metainfo.xml"
                         --fill "${data}/quiz-package.cmake.in" "${package}")
        list(APPEND outputs "${launcher}.desktop" "${launcher}.metainfo.xml" "${package}")
        target_sources(${target} PRIVATE "${launcher}.desktop" "${launcher}.metainfo.xml")
        # The package's changelog, with the version the tool gave the package (data/package.cmake).
        if(NOT WIN32)
            set(changelog "${CMAKE_BINARY_DIR}/data/changelog")
            list(APPEND fill --fill "${changelog}.in" "${changelog}")
            list(APPEND outputs "${changelog}" "${changelog}.gz")
            set(compress COMMAND sh -c "gzip -9nc \"$0\" > \"$0.gz\"" "${changelog}")
        endif()
    endif()
    add_custom_command(
        OUTPUT ${outputs}
        COMMAND ${ZORT_QUIZ_COMMAND} generate "${quiz}" "${out}" ${name} ${fill}
        ${compress}
        # Not the quiz file: DEPENDS splits a path at ';' and reads '\' as '/'. The tool's DEPFILE
        # names it, with every other file the quiz was read from.
        DEPENDS ${ZORT_QUIZ_COMMAND}
        DEPFILE "${out}/${name}.d"
        COMMENT "Checking the quiz file ${name}"
        VERBATIM)
    # The pictures as Qt resources, rebuilt when any of them changes (the quiz tool names them in a
    # depfile).
    add_custom_command(
        OUTPUT "${out}/${name}_pictures.cpp"
        COMMAND Qt6::rcc ${ZORT_RCC_OPTIONS} --name ${name} -o "${out}/${name}_pictures.cpp" "${out}/${name}.qrc"
        DEPENDS "${out}/${name}.qrc" Qt6::rcc
        DEPFILE "${out}/${name}_pictures.d"
        VERBATIM)
    target_sources(${target} PRIVATE "${out}/${name}.cpp" "${out}/${name}_pictures.cpp")
endfunction()

# zort_fail(ENGLISH BULGARIAN): stops the configure step with the message in the teacher's language,
# as the quiz tool chooses it (LANG=bg_BG.UTF-8 gives Bulgarian). A function, not a macro: the
# messages name the teacher's file, which must never be read as CMake code.
function(zort_fail english bulgarian)
    set(locale "$ENV{LC_ALL}")
    if(NOT locale)
        set(locale "$ENV{LC_MESSAGES}")
    endif()
    if(NOT locale)
        set(locale "$ENV{LANG}")
    endif()
    if(locale MATCHES "^bg")
        message(FATAL_ERROR "${bulgarian}")
    endif()
    message(FATAL_ERROR "${english}")
endfunction()

# zort_quiz_id(QUIZ_FILE VAR): the quiz's id, which names its program and package and so is needed
# while configuring. It is read from its own line, `id = "..."`; the quiz tool checks the whole
# file when it builds, and an id that names no program never gets this far.
function(zort_quiz_id quiz var)
    if(NOT EXISTS "${quiz}" OR IS_DIRECTORY "${quiz}")
        zort_fail("${quiz}: there is no such quiz file" "${quiz}: няма такъв файл на тест")
    endif()
    file(SIZE "${quiz}" size)
    if(size GREATER 16777216)
        zort_fail("${quiz}: the quiz file is larger than 16 MB" "${quiz}: файлът на теста е по-голям от 16 MB")
    endif()
    file(STRINGS "${quiz}" lines REGEX "^[ \t]*id[ \t]*=" LIMIT_COUNT 1)
    set(id "")
    if(lines MATCHES "^[ \t]*id[ \t]*=[ \t]*\"([a-z][a-z0-9-]*)\"[ \t]*(#.*)?$")
        set(id ${CMAKE_MATCH_1})
    endif()
    string(LENGTH "${id}" length)
    if(length EQUAL 0 OR length GREATER 32)
        string(CONCAT english "${quiz}: write the quiz's id on a line of its own at the top of the file, such as "
               "id = \"capitals\" (small Latin letters, digits and hyphens); scripts/check-quiz.sh checks the whole file")
        string(CONCAT bulgarian "${quiz}: напишете идентификатора на теста на отделен ред в началото на файла, "
               "например id = \"capitals\" (малки латински букви, цифри и тирета); scripts/check-quiz.sh проверява "
               "целия файл")
        zort_fail("${english}" "${bulgarian}")
    endif()
    set(${var} ${id} PARENT_SCOPE)
endfunction()

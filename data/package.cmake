# The Debian package (CPack, DEB): what the install rules put under /usr, plus the copyright and
# changelog that Debian asks of every package. Those two go in a component of their own that only the
# package installs, so `cmake --install` installs exactly what it did before.
# scripts/package.sh builds the package; tests/package checks it.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${ZORT_PROGRAM})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR zort.example.org)
set(CPACK_PACKAGE_CONTACT "${ZORT_PACKAGE_CONTACT}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};ALL;/" "${CMAKE_BINARY_DIR};${PROJECT_NAME};debian;/")
set(CPACK_STRIP_FILES ON)
# Whatever the umask of the machine that builds the package.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A small desktop quiz with a Bulgarian interface: the learner pairs 27 Latin
expressions with their 27 Bulgarian meanings, takes pairs back, has the test
graded with a verdict for every pair and asks for explanations.")
if(ZORT_QUIZ)
    # The quiz's caption describes its package. It is known only once the quiz tool has read the
    # quiz, so the tool writes that part and cpack reads it when it packages.
    set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/quiz-package.cmake)
endif()
# Values go into the package as they stand, never evaluated as CMake code.
set(CPACK_VERBATIM_VARIABLES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://zort.example.org/)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the program links come from dpkg-shlibdeps (libqt6gui6 brings the X11 platform plugin).
# No library links the font that "Times New Roman" resolves to, with its metrics and Cyrillic glyphs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)

if(ZORT_QUIZ)
    # A quiz's version and author are known once the quiz tool has read it: it fills this in and
    # compresses it when it builds (cmake/ZortQuiz.cmake).
    set(QUIZ_VERSION @QUIZ_VERSION@)
    set(QUIZ_MAINTAINER @QUIZ_MAINTAINER@)
    set(QUIZ_CHANGELOG_DATE @QUIZ_CHANGELOG_DATE@)
    configure_file(debian/quiz-changelog.in changelog.in @ONLY)
else()
    execute_process(COMMAND date -R -u -d ${ZORT_RELEASE_DATE}
                    OUTPUT_VARIABLE ZORT_RELEASE_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    configure_file(debian/changelog.in changelog @ONLY)
    execute_process(COMMAND gzip -9nc changelog WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
                    OUTPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
endif()
install(FILES debian/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${ZORT_PROGRAM} COMPONENT debian EXCLUDE_FROM_ALL)

include(CPack)

# The English translation is complete for the sources as they are: lupdate, run over the
# translated sources into a copy of translations/ladrix_en.ts, changes nothing in it.
# Arguments: LUPDATE (the program), TS (the .ts), SOURCES (lupdate's list file), WORK (a folder).
file(MAKE_DIRECTORY ${WORK})
set(copy ${WORK}/ladrix_en.ts)
configure_file(${TS} ${copy} COPYONLY)
execute_process(
    COMMAND ${LUPDATE} @${SOURCES} -ts ${copy} -no-obsolete -locations none
            -source-language zh_CN -target-language en
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed:\n${out}${err}")
endif()
file(READ ${TS} before)
file(READ ${copy} after)
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\"" untranslated
       "${after}")
if(NOT before STREQUAL after OR untranslated)
    message(FATAL_ERROR "${TS} does not match the sources:\n${out}${untranslated}\n"
            "Build the target update_translations, translate the new texts and commit the .ts.")
endif()

# tessel_help_file(CHM): the HTML help file made by halibut from its one text
# source, ui/help/tesselsudoku.but; the same bytes every time.
find_program(HALIBUT halibut REQUIRED)
function(tessel_help_file chm)
  get_filename_component(folder "${chm}" DIRECTORY)
  add_custom_command(OUTPUT "${chm}"
    COMMAND "${HALIBUT}" "--chm=${chm}" "${CMAKE_SOURCE_DIR}/ui/help/tesselsudoku.but"
    DEPENDS "${CMAKE_SOURCE_DIR}/ui/help/tesselsudoku.but"
    WORKING_DIRECTORY "${folder}"
    VERBATIM)
endfunction()

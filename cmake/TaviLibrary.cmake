# tavi_folder_library(<name>): a static library of every .cpp, .h and .qrc
# in the calling folder, whose headers its users include by name.
function(tavi_folder_library name)
  file(GLOB sources CONFIGURE_DEPENDS *.cpp *.h *.qrc)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()

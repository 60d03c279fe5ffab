# Every icon in app/resources is a resource of the program, so that a new
# picture is a new file there and nothing else: app/resource_ids.h names each
# IDI_ and its file name in capitals (menu.ico: IDI_MENU), app/images.rc lists
# them. The program's own icon is number 1, the lowest, which Explorer and the
# Start menu show as the program's.
# oravin_icons(OUT FOLDER...) writes both under OUT/app, for the icons of the
# folders in their order: a build that adds pictures of its own (the tests')
# names them after the program's, whose numbers stay as they are.
function(oravin_icons out)
  set(made "// Made by cmake/icons.cmake from the icons of the program's pictures.\n")
  set(ids "#pragma once\n${made}#define IDI_ORAVIN 1\n")
  set(rc "${made}#include \"app/resource_ids.h\"\n\nIDI_ORAVIN ICON \"${PROJECT_SOURCE_DIR}/app/resources/oravin.ico\"\n")
  set(id 101)
  foreach(folder IN LISTS ARGN)
    file(GLOB icons CONFIGURE_DEPENDS ${folder}/*.ico)
    list(SORT icons)
    list(REMOVE_ITEM icons ${PROJECT_SOURCE_DIR}/app/resources/oravin.ico)
    foreach(icon IN LISTS icons)
      get_filename_component(name ${icon} NAME_WE)
      string(TOUPPER ${name} name)
      string(APPEND ids "#define IDI_${name} ${id}\n")
      string(APPEND rc "IDI_${name} ICON \"${icon}\"\n")
      math(EXPR id "${id} + 1")
    endforeach()
  endforeach()
  file(CONFIGURE OUTPUT ${out}/app/resource_ids.h CONTENT "${ids}" @ONLY)
  file(CONFIGURE OUTPUT ${out}/app/images.rc CONTENT "${rc}" @ONLY)
endfunction()

oravin_icons(${PROJECT_BINARY_DIR}/generated ${PROJECT_SOURCE_DIR}/app/resources)
include_directories(${PROJECT_BINARY_DIR}/generated)

# Every icon in app/resources is a resource of the program, so that a new
# picture is a new file there and nothing else: app/resource_ids.h names each
# IDI_ and its file name in capitals (menu.ico: IDI_MENU), app/images.rc lists
# them. The program's own icon is number 1, the lowest, which Explorer and the
# Start menu show as the program's.
file(GLOB oravin_icons CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/app/resources/*.ico)
list(SORT oravin_icons)
list(REMOVE_ITEM oravin_icons ${PROJECT_SOURCE_DIR}/app/resources/oravin.ico)
set(oravin_made "// Made by cmake/icons.cmake from the icons in app/resources.\n")
set(oravin_icon_ids "#pragma once\n${oravin_made}#define IDI_ORAVIN 1\n")
set(oravin_icon_rc "${oravin_made}#include \"app/resource_ids.h\"\n\nIDI_ORAVIN ICON \"${PROJECT_SOURCE_DIR}/app/resources/oravin.ico\"\n")
set(oravin_icon_id 101)
foreach(icon IN LISTS oravin_icons)
  get_filename_component(name ${icon} NAME_WE)
  string(TOUPPER ${name} name)
  string(APPEND oravin_icon_ids "#define IDI_${name} ${oravin_icon_id}\n")
  string(APPEND oravin_icon_rc "IDI_${name} ICON \"${icon}\"\n")
  math(EXPR oravin_icon_id "${oravin_icon_id} + 1")
endforeach()
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/generated/app/resource_ids.h CONTENT "${oravin_icon_ids}" @ONLY)
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/generated/app/images.rc CONTENT "${oravin_icon_rc}" @ONLY)
include_directories(${PROJECT_BINARY_DIR}/generated)

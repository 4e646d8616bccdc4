# The package a Windows user unpacks: kuranto-<version>-win64.zip holding one
# folder with everything app/ and keysweep/ install. `cmake --build . --target
# package` makes it in the build directory.
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME kuranto)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(kuranto_platform win64)
else()
  set(kuranto_platform win32)
endif()
set(CPACK_PACKAGE_FILE_NAME "kuranto-${PROJECT_VERSION}-${kuranto_platform}")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)

# Everything the install lays out, so a script that installs builds no less.
# A new install rule adds its target here.
add_custom_target(installed-programs)
add_dependencies(installed-programs kuranto keysweep kuranto-query)

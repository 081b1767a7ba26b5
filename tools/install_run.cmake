# cmake -DSHIPPED=dir -DRUN=dir -P install_run.cmake
# Copies the generated files from SHIPPED into the program's directory RUN.
# conf.dat and WindWHP.dat belong to the user once they exist: they are
# copied only when missing.
file(GLOB_RECURSE shipped RELATIVE ${SHIPPED} ${SHIPPED}/*)
foreach(name ${shipped})
  if(name MATCHES "\\.err$")
    continue()
  endif()
  if((name STREQUAL "conf.dat" OR name STREQUAL "WindWHP.dat") AND EXISTS ${RUN}/${name})
    continue()
  endif()
  get_filename_component(sub ${name} DIRECTORY)
  file(COPY ${SHIPPED}/${name} DESTINATION ${RUN}/${sub}
       FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endforeach()

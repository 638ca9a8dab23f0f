# Where `cmake --install` puts the product. A relative path lies below
# CMAKE_INSTALL_PREFIX, an absolute one stands as it is; DESTDIR goes in
# front of both.
set(QB_PROGRAM_DIR quillbrook CACHE STRING
  "The program folder: the tool, quillbrook-print, res/global.ini, the converter, the agent, the queue command")
set(QB_BIN_DIR bin CACHE STRING "Links to the programs that users and scripts call")
set(QB_CUPS_BACKEND_DIR /usr/lib/cups/backend CACHE STRING "CUPS's backend folder")
set(QB_PPD_DIR /usr/share/ppd/quillbrook CACHE STRING "The driver's folder, where CUPS's driver scan finds it")
set(QB_AUTOSTART_DIR /etc/xdg/autostart CACHE STRING "The desktop's autostart folder for the session agent")

# The absolute form of one of the folders above for the prefix given.
function(qb_install_path result dir prefix)
  if(IS_ABSOLUTE "${dir}")
    set(${result} "${dir}" PARENT_SCOPE)
  else()
    set(${result} "${prefix}/${dir}" PARENT_SCOPE)
  endif()
endfunction()

# The program folder where the configured prefix puts it, with a trailing
# "/", for programs that are installed elsewhere and must find it (the CUPS
# backend).
qb_install_path(QB_INSTALLED_PROGRAM_FOLDER "${QB_PROGRAM_DIR}" "${CMAKE_INSTALL_PREFIX}")
set(QB_INSTALLED_PROGRAM_FOLDER "${QB_INSTALLED_PROGRAM_FOLDER}/")

# qb_install_bin_links(PROGRAM...)
# Links QB_BIN_DIR/PROGRAM to the program folder's PROGRAM, relative, so
# that the installed tree can be moved as a whole (a package's staging
# folder). The paths are worked out at install time, when a --prefix given
# to `cmake --install` is known.
function(qb_install_bin_links)
  foreach(program IN LISTS ARGN)
    install(CODE "
      set(dirs \"${QB_BIN_DIR}\" \"${QB_PROGRAM_DIR}\")
      set(absolute)
      foreach(dir IN LISTS dirs)
        if(IS_ABSOLUTE \"\${dir}\")
          list(APPEND absolute \"\${dir}\")
        else()
          list(APPEND absolute \"\${CMAKE_INSTALL_PREFIX}/\${dir}\")
        endif()
      endforeach()
      list(GET absolute 0 bin)
      list(GET absolute 1 programs)
      file(RELATIVE_PATH target \"\${bin}\" \"\${programs}/${program}\")
      file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${bin}\")
      file(CREATE_LINK \"\${target}\" \"\$ENV{DESTDIR}\${bin}/${program}\" SYMBOLIC)
      message(STATUS \"Linking: \$ENV{DESTDIR}\${bin}/${program} -> \${target}\")
    ")
  endforeach()
endfunction()

# qb_install_template(TEMPLATE DIR NAME MODE PLACEHOLDER DIR_VARIABLE FILE ...)
# Installs TEMPLATE as DIR/NAME with each @PLACEHOLDER@ replaced by the
# absolute path of FILE inside the installation folder DIR_VARIABLE (for
# example QB_AGENT QB_PROGRAM_DIR quillbrook-agent), worked out at install
# time like the links. MODE is "PROGRAM" or "FILE".
function(qb_install_template template dir name mode)
  set(replacements)
  set(args ${ARGN})
  while(args)
    list(POP_FRONT args placeholder variable file)
    string(APPEND replacements "
      set(folder \"${${variable}}\")
      if(NOT IS_ABSOLUTE \"\${folder}\")
        set(folder \"\${CMAKE_INSTALL_PREFIX}/\${folder}\")
      endif()
      string(REPLACE \"@${placeholder}@\" \"\${folder}/${file}\" text \"\${text}\")")
  endwhile()
  set(permissions OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  if(mode STREQUAL "PROGRAM")
    list(APPEND permissions OWNER_EXECUTE GROUP_EXECUTE WORLD_EXECUTE)
  endif()
  install(CODE "
    file(READ \"${template}\" text)
    ${replacements}
    set(destination \"${dir}\")
    if(NOT IS_ABSOLUTE \"\${destination}\")
      set(destination \"\${CMAKE_INSTALL_PREFIX}/\${destination}\")
    endif()
    set(target \"\$ENV{DESTDIR}\${destination}/${name}\")
    message(STATUS \"Installing: \${target}\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${destination}\")
    file(WRITE \"\${target}\" \"\${text}\")
    file(CHMOD \"\${target}\" PERMISSIONS ${permissions})
  ")
endfunction()

# The one version, from project(), carried into the executables' version resources, the
# command-line companion's --version and every package.
set(VELORTIN_COPYRIGHT "Copyright (c) 2026 the Velortin developers")

# velortin_version_resource(<target> <description>): a VERSIONINFO resource for <target>,
# which Windows shows under the file's Properties.
function(velortin_version_resource target description)
  set(VERSION_NAME ${target})
  set(VERSION_DESCRIPTION ${description})
  set(rc ${CMAKE_BINARY_DIR}/version/${target}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/resources/version.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()

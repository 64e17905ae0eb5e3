# Plain IEEE double everywhere: every operation rounded to double, no fused multiply-add,
# no x87 excess precision on i686, never fast-math.
add_compile_options(-Wall -Wextra -ffp-contract=off)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "i.86" OR CMAKE_CXX_COMPILER MATCHES "i686")
  add_compile_options(-msse2 -mfpmath=sse)
endif()

if(VELORTIN_SANITIZE)
  set(_san -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all
           -fno-omit-frame-pointer)
  add_compile_options(${_san})
  add_link_options(${_san})
endif()

if(WIN32)
  # No MinGW runtime DLLs: Wine and Windows need only their own system DLLs. Each function
  # in a section of its own lets the linker leave out what a program never calls.
  add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--gc-sections)
  add_compile_options(-ffunction-sections)
endif()

# The program's own code throws nothing and runs on one thread: leaving out
# the support for them keeps libstdc++'s exception machinery and demangler out of the
# statically linked executables, and no exception can cross a window procedure.
set(VELORTIN_PROGRAM_FLAGS -fno-exceptions -fno-threadsafe-statics)

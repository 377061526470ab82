# Warnings and sanitizer flags, kept per compiler so the same lists build with GCC, Clang and MSVC.
add_library(vistrel_options INTERFACE)

if(MSVC)
  # The C++ runtime linked in: VCRUNTIME140 and MSVCP140 are no KnownDLLs, so copies beside the
  # program would be loaded before it runs (and a stock Windows may lack them).
  set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
  target_compile_options(vistrel_options INTERFACE /W4 /permissive- /utf-8 /EHsc)
  target_compile_definitions(vistrel_options INTERFACE _CRT_SECURE_NO_WARNINGS)
else()
  target_compile_options(vistrel_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                         -Wno-sign-conversion)
endif()

if(VISTREL_SANITIZE)
  if(MSVC)
    target_compile_options(vistrel_options INTERFACE /fsanitize=address)
  else()
    target_compile_options(vistrel_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                           -fno-sanitize-recover=all)
    target_link_options(vistrel_options INTERFACE -fsanitize=address,undefined)
  endif()
endif()

if(WIN32)
  # Unicode APIs by default; the settings file keeps its ANSI calls explicitly (the A functions).
  target_compile_definitions(vistrel_options INTERFACE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                             _WIN32_WINNT=0x0A00 WINVER=0x0A00)
  if(MINGW)
    # No runtime DLLs beside the program: it must start on a stock Windows.
    target_link_options(vistrel_options INTERFACE -static -static-libgcc -static-libstdc++
                        $<$<CONFIG:Release,MinSizeRel>:-s -Wl,--gc-sections>)
    # Small program, small file: unused functions are dropped at link time.
    target_compile_options(vistrel_options INTERFACE $<$<CONFIG:Release,MinSizeRel>:-ffunction-sections -fdata-sections>)
  endif()
endif()

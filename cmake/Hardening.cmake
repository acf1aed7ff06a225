# Hardening as Debian builds its packages: fortified libc calls, the strong
# stack protector, stack clash and control flow protection (where the target
# has them), position-independent executables and full RELRO with immediate
# binding.  GCC and Clang on ELF platforms only:
# the Windows build links differently and keeps its own defaults.  Not under
# the sanitizers, which replace the same libc calls.
#
# VELMO_HARDENED tells the package check whether to expect these.
set(VELMO_HARDENED OFF)
set(velmo_optimised_configs Release RelWithDebInfo MinSizeRel)
if(VELMO_HARDENING AND NOT WIN32 AND NOT APPLE AND NOT VELMO_SANITIZE
   AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    include(CheckCXXCompilerFlag)
    include(CheckPIESupported)

    # _FORTIFY_SOURCE does nothing without optimisation, and glibc warns.
    add_compile_definitions("$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>")
    add_compile_options(-fstack-protector-strong)
    check_cxx_compiler_flag(-fstack-clash-protection VELMO_HAVE_STACK_CLASH)
    if(VELMO_HAVE_STACK_CLASH)
        add_compile_options(-fstack-clash-protection)
    endif()
    check_cxx_compiler_flag(-fcf-protection VELMO_HAVE_CF_PROTECTION)
    if(VELMO_HAVE_CF_PROTECTION)
        add_compile_options(-fcf-protection)
    endif()

    check_pie_supported(LANGUAGES CXX)
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    add_link_options(LINKER:-z,relro LINKER:-z,now)

    if(CMAKE_BUILD_TYPE IN_LIST velmo_optimised_configs)
        set(VELMO_HARDENED ON)
    endif()
endif()

# Shared compiler settings for every project target.
function(porvap_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(PORVAP_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

if(PORVAP_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

# The testbed's catalog entry for AoE IV, pinned to the game build `sha`.
function(testbed_aoe4_entry sha out)
  set(${out} "  {
    \"id\": \"aoe4\",
    \"title\": \"Age of Empires IV\",
    \"edition\": \"ANNIVERSARY EDITION\",
    \"subtitle\": \"Build your empire. Make history.\",
    \"steamID\": \"1466860\",
    \"installFolder\": \"Age of Empires IV\",
    \"executable\": \"RelicCardinal.exe\",
    \"artwork\": \"aoe4-hero.jpg\",
    \"optimization\": \"none\",
    \"validatedSHA256\": \"${sha}\"
  }" PARENT_SCOPE)
endfunction()

# The menu scene: what the menu shows, where, and what it does, without any
# toolkit. The Qt runtime (Linux) and the Win32 runtime (Windows) paint it;
# both builds include this list.
set(RNV_SCENE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/CdPath.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DesignLook.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ItemActions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MenuData.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MenuScene.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RuntimeWords.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SceneReaders.cpp)

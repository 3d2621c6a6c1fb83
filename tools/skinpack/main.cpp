// skinpack: makes, lists and unpacks skin files.
#include <iostream>

#include "SkinPackCommands.h"

int main(int argc, char** argv) {
  return RunSkinPack(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}

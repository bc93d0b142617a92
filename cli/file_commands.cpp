#include "commands.h"
namespace velmora::cli { void addFileCommands(CLI::App&, int&) {} }

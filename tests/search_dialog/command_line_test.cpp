#include "search_dialog/command_line.h"

#include "io/ProjectFile.h"

#include "io/BatchRunner.h"

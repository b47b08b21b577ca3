#include "io/PlotWarnings.h"

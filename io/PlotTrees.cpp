#include "io/PlotTrees.h"

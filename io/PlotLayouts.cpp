#include "io/PlotLayouts.h"

#include "io/PlotFuel.h"

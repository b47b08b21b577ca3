#include "io/LinkTreatment.h"

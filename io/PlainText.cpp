#include "io/PlainText.h"

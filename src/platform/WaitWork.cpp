#include "platform/WaitWork.h"

WaitWork waitWork;

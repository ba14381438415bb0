#include "files/TFile.h"
#include "users/TUser.h"

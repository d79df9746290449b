// The donation dialog.
#include "app/oplata.h"

// Not built yet: the donation dialog.
void RunDonationDialog() {}

// The donation dialog.
#pragma once

// Opens the donation dialog and returns when it has closed.
void RunDonationDialog();

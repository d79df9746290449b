// The help file the exe carries as a resource. The help viewer reads only
// files on disk, so the first request writes it to a new file of the
// program's own in the user's temporary folder; later requests reuse it,
// and the help layer deletes it at shutdown, once the viewer has closed.
// Copies that earlier runs could not delete are removed on the way.
#pragma once

// The written file's path, writing it first when this run has not yet;
// null when the resource is missing or no new file can be written (the
// next request tries again).
const char* CarriedHelpFile(const char* resourceName);
// Deletes the file written for this run, if any.
void CarriedHelpFileDelete();

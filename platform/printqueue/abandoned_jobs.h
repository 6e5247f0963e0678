#pragma once

#include "platform/adodb/adodb.h"

// A job is open only while the program that opened it fills and closes it, a matter of seconds.
// One left open belongs to a program that ended half way (killed, crashed, power cut): it never
// prints and nothing else removes it, so the next program to start takes it out of the queue.
namespace abandonedjobs {

// Deletes the jobs that programs no longer running left open, with their pieces, in one
// transaction; returns how many. When no other program of this data root is running every open
// job is such a job; when one is, only jobs opened more than a few minutes ago are. From this call
// on, the calling program counts as running until it ends. Raises adodb::ComError when the
// database refuses the deletion.
int cleanUp(adodb::Connection conexion);

} // namespace abandonedjobs

#pragma once
// The file descriptors a process may open.

namespace kestrova {

// The process's limit of open files (RLIMIT_NOFILE): a new descriptor is
// always a number below it.
int DescriptorLimit();

// How many more files the process may open now: the numbers below its limit
// that no open descriptor has (a parent may have left many open). 0 when not
// even the count can be made for want of a descriptor.
int FreeDescriptors();

}  // namespace kestrova

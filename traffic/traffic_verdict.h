#pragma once

#include "traffic_frame.h"

// The verdict on a reply, from the judging functions of the part of the program that sent its
// request, so that the monitor calls correct exactly what the program accepts: polling's for its
// reads (a reply with fewer registers than asked for is refused), the reply reporting's for the
// reads and writes of commands, the bootloader's for every frame of the bootloader.
TrafficVerdict JudgeTraffic(TrafficSource source, QByteArrayView request, QByteArrayView reply);

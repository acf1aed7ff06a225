#include "selfcheck/tilt_sensor.h"
namespace velmo {
TiltSensor::TiltSensor(Platform& platform) : platform_(platform) {}
void TiltSensor::StartNext() {}
void TiltSensor::Yes() {}
void TiltSensor::No() {}
void TiltSensor::Reset() {}
} // namespace velmo

// Standard streams as raw bytes, so every build reads and writes the same bytes.
#pragma once

void SetBinaryStreams();

// The memory section: read and write bandwidth from 1 KB to 8192 KB.
#pragma once

double RunMemoryBenchmark();
double MeasureReadRow(unsigned char* block, long size);
double MeasureWriteRow(unsigned char* block, long size);

/* The host's time-stamp-counter frequency, measured natively against the
 * kernel's raw monotonic clock over two seconds, so that the program's clock
 * measurement under Wine (which reads the same counter) can be judged against
 * it. Prints the frequency in hertz. */
#include <stdint.h>
#include <stdio.h>
#include <time.h>
#include <x86intrin.h>

static double now(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC_RAW, &t);
    return (double)t.tv_sec + (double)t.tv_nsec / 1e9;
}

int main(void) {
    double t0 = now();
    uint64_t c0 = __rdtsc();
    while (now() - t0 < 2.0) {
    }
    double t1 = now();
    uint64_t c1 = __rdtsc();
    printf("%.0f\n", (double)(c1 - c0) / (t1 - t0));
    return 0;
}

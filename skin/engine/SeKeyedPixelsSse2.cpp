// The keyed copy four pixels a step, for machines with SSE2 (every x86-64).

#include "skin/engine/SeKeyedPixels.h"

#if defined(__SSE2__)

#include "skin/engine/SePixels.h"

#include <emmintrin.h>

void CopyKeyedPixelsSse2(Pixel* out, const std::uint8_t* in, std::size_t count, Pixel keyColour)
{
    // A channel is near when its absolute difference to the key's, from two
    // saturating subtractions, is at most 5; the alpha lane is forced near
    // so that only the colour decides.
    const __m128i key = _mm_set1_epi32(int(keyColour & 0x00FFFFFF));
    const __m128i five = _mm_set1_epi8(5);
    const __m128i alphaLane = _mm_set1_epi32(int(0xFF000000));
    const __m128i keyValue = _mm_set1_epi32(int(SeKeyValue));
    const __m128i allNear = _mm_set1_epi32(-1);
    std::size_t i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i * 4));
        const __m128i distance = _mm_or_si128(_mm_subs_epu8(p, key), _mm_subs_epu8(key, p));
        const __m128i near = _mm_or_si128(_mm_cmpeq_epi8(_mm_min_epu8(distance, five), distance), alphaLane);
        const __m128i keyed = _mm_cmpeq_epi32(near, allNear);
        const __m128i result = _mm_or_si128(_mm_and_si128(keyed, keyValue), _mm_andnot_si128(keyed, p));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), result);
    }
    CopyKeyedPixelsPortable(out + i, in + i * 4, count - i, keyColour);
}

#endif

#pragma once

// Defines the named vectors every vector class offers: zero, one, and the
// unit vectors along the positive and negative axes. Whole numbers are exact
// in float and double alike.
#define KAVO_VECTOR_CONSTANTS(Class)                                                                                   \
    const Class Class::zero;                                                                                           \
    const Class Class::one(1, 1, 1);                                                                                   \
    const Class Class::xAxis(1, 0, 0);                                                                                 \
    const Class Class::yAxis(0, 1, 0);                                                                                 \
    const Class Class::zAxis(0, 0, 1);                                                                                 \
    const Class Class::xNegAxis(-1, 0, 0);                                                                             \
    const Class Class::yNegAxis(0, -1, 0);                                                                             \
    const Class Class::zNegAxis(0, 0, -1)

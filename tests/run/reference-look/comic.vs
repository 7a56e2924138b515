#version 120
// The picture test's reference: the comic shader pair as it was when the
// fragment stage read the light and material state itself for every pixel.
// Toon shading, vertex stage: eye-space position and normal go on to the
// fragment stage, which bands the light per pixel.
varying vec3 eyePosition;
varying vec3 eyeNormal;

void main()
{
    vec4 eye = gl_ModelViewMatrix * gl_Vertex;
    eyePosition = eye.xyz / eye.w;
    eyeNormal = gl_NormalMatrix * gl_Normal;
    gl_FrontColor = gl_Color;
    gl_TexCoord[0] = gl_MultiTexCoord0;
    gl_Position = ftransform();
}

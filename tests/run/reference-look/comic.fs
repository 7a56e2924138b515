#version 120
// The picture test's reference: the comic shader pair as it was when the
// fragment stage read the light and material state itself for every pixel.
// Toon shading, fragment stage. Light 0 (the hero's torch, with its
// distance attenuation) and the global ambient give a light level in 0..1;
// the level picks one of the four texels of the colour ramp, so the light
// falls off in hard bands instead of smoothly. The ramp colour modulates
// the surface colour times its texture; the material emission (the glowing
// hazard floors) is added on top, independent of the light.
uniform sampler2D tex;  // unit 0: the texture the game bound, or plain white
uniform sampler1D ramp; // unit 1: the colour ramp, 4 texels, dark to light

varying vec3 eyePosition;
varying vec3 eyeNormal;

const float kRampTexels = 4.0;
// How much of the torch's ambient term reaches a surface that faces away.
const float kAmbientShare = 0.25;
const vec3 kLuminance = vec3(0.299, 0.587, 0.114);

float attenuation(float distance)
{
    float falloff = gl_LightSource[0].constantAttenuation
                  + gl_LightSource[0].linearAttenuation * distance
                  + gl_LightSource[0].quadraticAttenuation * distance * distance;
    return 1.0 / max(falloff, 0.0001);
}

float lightLevel(vec3 normal)
{
    vec4 position = gl_LightSource[0].position; // already in eye space
    vec3 toLight = position.xyz;
    float reach = 1.0;
    if (position.w != 0.0) {
        toLight = position.xyz / position.w - eyePosition;
        reach = attenuation(length(toLight));
    }
    float facing = max(dot(normal, normalize(toLight)), 0.0);
    float ambient = dot(gl_LightSource[0].ambient.rgb, kLuminance) * kAmbientShare;
    vec3 diffuseColour = gl_LightSource[0].diffuse.rgb;
    float diffuse = max(diffuseColour.r, max(diffuseColour.g, diffuseColour.b));
    return dot(gl_LightModel.ambient.rgb, kLuminance) + reach * (ambient + diffuse * facing);
}

void main()
{
    float level = clamp(lightLevel(normalize(eyeNormal)), 0.0, 1.0);
    // Sample texel centres: the ramp's wrap mode is the GL default (repeat),
    // so a coordinate of exactly 1.0 would wrap to the darkest band.
    float band = min(floor(level * kRampTexels), kRampTexels - 1.0);
    vec3 shade = texture1D(ramp, (band + 0.5) / kRampTexels).rgb;

    vec4 base = gl_Color * texture2D(tex, gl_TexCoord[0].st);
    vec3 glow = gl_FrontMaterial.emission.rgb;
    gl_FragColor = vec4(min(base.rgb * (shade + glow), vec3(1.0)), base.a);
}

// The parts of the WebGL library the 3D guide's page uses (instructions/guide3d/guide3d.js),
// as one global, THREE, for a classic script: module scripts cannot load one another from
// file:// pages. Naming them lets the bundler leave the rest out.
import {
    AmbientLight, Box3, Color, DirectionalLight, MathUtils, PCFShadowMap, PerspectiveCamera,
    PropertyBinding, Scene, Sphere, Vector3, WebGLRenderer,
} from 'three';
import { GLTFLoader } from 'three/addons/loaders/GLTFLoader.js';
import { OrbitControls } from 'three/addons/controls/OrbitControls.js';

window.THREE = {
    AmbientLight, Box3, Color, DirectionalLight, GLTFLoader, MathUtils, OrbitControls,
    PCFShadowMap, PerspectiveCamera, PropertyBinding, Scene, Sphere, Vector3, WebGLRenderer,
};
